// Progress of a long stage: a text in the info line, then pending window
// events run.
#pragma once

#include "model/host.h"

#include <string_view>

namespace vectrim {

inline void showProgress(Host& host, std::string_view text) {
    host.info(text);
    host.doEvents();
}

} // namespace vectrim
