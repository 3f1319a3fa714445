// Progress of a long stage: a text in the info line, then pending window
// events run.
#pragma once

#include "model/session.h"

#include <string_view>

namespace vectrim {

inline void showProgress(Session& s, std::string_view text) {
    s.host->info(text);
    s.host->doEvents();
}

} // namespace vectrim
