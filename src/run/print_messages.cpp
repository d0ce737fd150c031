#include "run/print_messages.h"

namespace vantric {

std::string NoDefaultPrinterMessage() {
  return "There is no default printer. Set one up in the system's printer settings, then press "
         "Print again.";
}

std::string PrintJobNotStartedMessage(std::string_view printer) {
  return "The print job could not be started on the printer \"" + std::string(printer) +
         "\". Nothing was printed.";
}

std::string PrintJobNotCompletedMessage(std::string_view printer) {
  return "The print job on the printer \"" + std::string(printer) + "\" could not be completed.";
}

}  // namespace vantric
