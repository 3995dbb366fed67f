#pragma once

#include <string>

namespace rovik {

// A message for the user that the core cannot show itself; the window shows it in a box.
struct Notice {
    std::string text;
    std::string caption;
};

}  // namespace rovik
