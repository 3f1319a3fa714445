// The installed printers (Qt Print Support, CUPS on Linux) and the printout
// on one of them.
#pragma once

#include "print/page_layout.h"

#include <string>
#include <vector>

namespace vectrim {

struct PrinterList {
    std::vector<std::string> names; // device names of the installed printers
    std::string defaultName;        // the current (default) printer; empty when none
};
PrinterList installedPrinters();

// Prints the page (mode Colour or BlackWhite) on the printer of that device
// name, A4, the page origin at the top left of its printable area. False
// when the printer is unknown or refuses the job.
bool printOnPrinter(const std::string& name, const Drawing& d, const PageSetup& setup, PrintMode mode);

} // namespace vectrim
