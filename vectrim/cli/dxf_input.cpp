#include "dxf_input.h"

#include "import/import.h"
#include "model/host.h"

#include <cstdio>
#include <memory>

#ifdef VECTRIM_TEXT_OUTLINES
#include "qt/qt_outliner.h"
#else
#include "qt_twin.h"
#endif

namespace vectrim::cli {

bool importDxf(const std::string& dxfPath, int curveQuality, const std::string& exchangePath, Host& host,
               ImportAccount* account) {
#ifdef VECTRIM_TEXT_OUTLINES
    // The fonts (and an offscreen GUI application) are only set up when a
    // text is met.
    load::QtOutliner outliner;
    dxf::TextOutliner* textOutliner = &outliner;
#else
    // Without Qt here, the first text hands the command to the twin;
    // without a twin, texts are left out.
    TwinOutliner twin;
    dxf::TextOutliner* textOutliner = twinTakesQtJobs() ? &twin : nullptr;
#endif
    std::string report;
    const bool ok =
        load::importToExchangeFile(dxfPath, curveQuality, exchangePath, host, textOutliner, &report, account);
    if (!report.empty()) std::fprintf(stderr, "vectrim-cli: %s\n", report.c_str());
    return ok;
}

} // namespace vectrim::cli
