#pragma once

#include <string>
#include <vector>

namespace vantric {

// The windows were laid out in pixels at 96 pixels per inch for these faces; sizes are pixel
// heights.
struct FontSpec {
  const char* family = "MS Sans Serif";
  int pixel_height = 11;
  bool bold = false;
  bool italic = false;
};
inline constexpr FontSpec kDialogFont{};

enum class ControlKind {
  kLabel,
  kButton,
  kCheckBox,
  kGroupBox,
  kEdit,
  kMemo,  // multi-line text, read-only, word-wrapped
  kPanel,
  kProgressBar,  // range 0..100
  kPicture,      // a picture stretched over the control
  kPictureButton,
};

enum class TextColour { kBlack, kWhite, kNavy };

// The pictures the program draws itself instead of shipping them.
enum class PictureKind { kNone, kDarkDiscMontage, kEmbossedDiscMontage, kDocumentPage };

// A label's width and height when the label takes the size of its text.
inline constexpr int kSizedByText = 0;

struct ControlLayout {
  ControlKind kind = ControlKind::kLabel;
  std::string name;       // the control's name in the window, as the system gives it
  std::string container;  // the group box or panel it sits in; empty: the window itself
  int left = 0;           // in the container's client coordinates
  int top = 0;
  int width = kSizedByText;
  int height = kSizedByText;
  std::string text;
  FontSpec font = kDialogFont;
  TextColour colour = TextColour::kBlack;
  bool right_aligned = false;
  bool transparent = false;  // drawn straight over the picture behind it
  bool visible = true;
  bool enabled = true;
  bool default_button = false;  // Enter presses it
  bool vertical_scroll_bar = false;
  PictureKind picture = PictureKind::kNone;

  // For writing layouts as data: Control(...).With(font).Hidden().
  ControlLayout& With(FontSpec f) { return font = f, *this; }
  ControlLayout& With(TextColour c) { return colour = c, *this; }
  ControlLayout& With(PictureKind p) { return picture = p, *this; }
  ControlLayout& RightAligned() { return right_aligned = true, *this; }
  ControlLayout& Transparent() { return transparent = true, *this; }
  ControlLayout& Hidden() { return visible = false, *this; }
  ControlLayout& Disabled() { return enabled = false, *this; }
  ControlLayout& DefaultButton() { return default_button = true, *this; }
  ControlLayout& VerticalScrollBar() { return vertical_scroll_bar = true, *this; }
};

inline ControlLayout Control(ControlKind kind, std::string name, std::string container, int left,
                             int top, int width, int height, std::string text = "") {
  ControlLayout control;
  control.kind = kind;
  control.name = std::move(name);
  control.container = std::move(container);
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.text = std::move(text);
  return control;
}

enum class WindowFrame {
  kMainWindow,  // a system menu and a close box; closing it ends the program
  kDialog,      // no title-bar buttons: only its own buttons hide it
};

struct WindowLayout {
  std::string name;  // "Form1"
  std::string caption;
  WindowFrame frame = WindowFrame::kDialog;
  int client_width = 0;
  int client_height = 0;
  FontSpec font = kDialogFont;
  std::vector<ControlLayout> controls;  // creation order: a container before its contents
  std::vector<std::string> tab_order;   // the controls that take the focus by Tab, in order
};

// The four windows' layouts.
const WindowLayout& MainWindowLayout();
const WindowLayout& ConfigurationDialogLayout();
const WindowLayout& ResultsWindowLayout();
const WindowLayout& UserInformationDialogLayout();

}  // namespace vantric
