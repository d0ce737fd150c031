#pragma once

#include <QString>
#include <functional>

#include "forms/toolkit.h"

class QWidget;

namespace vantric {

// Every notice and error of the program goes through here: a modal box captioned with the
// application title, the text, one OK button and no icon, with its top-left corner on the
// reporting window's top-left corner.
void ShowStandardMessage(QWidget* reporter, const QString& text);

// Replaces what ShowStandardMessage does (tests record the texts instead of waiting for a
// click); an empty handler restores the real box. Returns the handler it replaced.
using MessageHandler = std::function<void(QWidget* reporter, const QString& text)>;
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace vantric
