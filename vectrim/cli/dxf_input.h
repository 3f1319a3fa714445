// The import of a DXF file into an exchange file, as load does it.
#pragma once

#include "model/host.h"
#include "model/import_account.h"

#include <string>

namespace vectrim::cli {

// Imports `dxfPath` with the given curve quality and writes the exchange
// file to `exchangePath`. False (with a message) when the DXF cannot be read.
// The import's account goes to `account` when given.
bool importDxf(const std::string& dxfPath, int curveQuality, const std::string& exchangePath, Host& host,
               ImportAccount* account = nullptr);

} // namespace vectrim::cli
