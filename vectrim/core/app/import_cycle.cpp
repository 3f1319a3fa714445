#include "app/import_cycle.h"

#include "app/program_folder.h"
#include "model/exchange_file.h"
#include "model/messages.h"
#include "model/par_file.h"
#include "model/platform.h"
#include "view/extents.h"

#include <algorithm>
#include <cctype>

namespace vectrim {

DxfChoice dxfChoice(const std::string& result) {
    DxfChoice c;
    if (result.size() <= 3) return c;
    const size_t last = result.size() - 1;
    const size_t first = last >= 4 ? last - 4 : 0;
    std::string ending = result.substr(first, last - first);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    if (ending != ".DXF") return c;
    c.accepted = true;
    c.path = result;
    const size_t slash = result.substr(0, result.size() - 1).rfind('/');
    c.lastFolder = slash == std::string::npos ? std::string() : result.substr(0, slash + 1);
    c.display = displayName(result);
    return c;
}

std::string drawingFolder(const MainState& state) {
    const std::string path = untilNul(state.dxfPath);
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

HandOverResult handOver(const std::string& folder, WorkingData& data, const std::string& path,
                        const std::string& display, Host& host) {
    writesettings(fileInFolder(folder, kWorkingFileName), data);
    if (!writeParFile(fileInFolder(folder, kParFileName), path, display))
        return HandOverResult::ParFileFailed;
    host.doEvents();
    if (!startProgram(fileInFolder(folder, kLoadProgram), {kImportArgument}))
        return HandOverResult::StartFailed;
    return HandOverResult::Started;
}

bool startEmptyMainProgram(const std::string& folder) {
    return startProgram(fileInFolder(folder, kMainProgram), {});
}

bool readImportedDrawing(Drawing& d, ViewWindow& window, Host& host, const std::string& folder) {
    if (readExchangeFile(fileInFolder(folder, kExchangeFileName), d, host) != ExchangeRead::Ok) return false;
    moveToOrigin(d, window);
    if (d.linecount == 0 && d.arccount == 0)
        host.message(msg::tr(msg::kDxfNotLoaded), msg::tr(msg::kTitleReadError), Icon::Information);
    return true;
}

} // namespace vectrim
