#pragma once

namespace rovik {

// The version as the About box and "rovik --version" show it. The build reads the package
// version from this line (3.1 Build 2 is 3.1.2), so the two never disagree.
inline constexpr const char* kVersionText = "Rovik Version 3.1 Build 2";

}  // namespace rovik
