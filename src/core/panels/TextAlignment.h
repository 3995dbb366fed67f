#pragma once

#include <cstdint>

namespace rovik {

// How a panel's text sits in its cell; the numbers are those stored in the file.
enum class TextAlignment : std::uint32_t { Left = 0, Centre = 1, Right = 2 };

}  // namespace rovik
