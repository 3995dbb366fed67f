#pragma once

namespace rovik {

// How near a maintenance item is to falling due: green well before, yellow within a fifth
// of its interval either side of the due point, red beyond that.
enum class DueStatus { kGreen, kYellow, kRed };

}  // namespace rovik
