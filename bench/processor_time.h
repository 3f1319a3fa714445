// The processor seconds this process has used so far: beside the wall
// clock, which on a busy machine also counts waiting for a core.
#pragma once

#include <ctime>

namespace vectrim::bench {

inline double processorSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

} // namespace vectrim::bench
