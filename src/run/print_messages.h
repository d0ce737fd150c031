#pragma once

#include <string>
#include <string_view>

namespace vantric {

// What the user is told when the report could not be printed; every toolkit's printing says
// the same.
std::string NoDefaultPrinterMessage();
std::string PrintJobNotStartedMessage(std::string_view printer);
std::string PrintJobNotCompletedMessage(std::string_view printer);

}  // namespace vantric
