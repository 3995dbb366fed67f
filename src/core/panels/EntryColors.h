#pragma once

#include <cstddef>

#include "core/panels/ColorRef.h"

namespace rovik {

// The colours of the entries of a multibar or a histogram, by their place in its list: blue,
// green, red, magenta, cyan, then round again. The multibar fills its bars with the light
// shade and edges them with the dark one; the histogram plots with the dark one.
struct EntryColors {
    static constexpr std::size_t kCount = 5;

    static constexpr ColorRef Dark(std::size_t index) {
        constexpr ColorRef kDark[kCount] = {Rgb(0, 0, 255), Rgb(0, 255, 0), Rgb(255, 0, 0),
                                            Rgb(255, 0, 255), Rgb(0, 255, 255)};
        return kDark[index % kCount];
    }
    static constexpr ColorRef Light(std::size_t index) {
        constexpr ColorRef kLight[kCount] = {Rgb(192, 192, 255), Rgb(192, 255, 192),
                                             Rgb(255, 192, 192), Rgb(255, 192, 255),
                                             Rgb(192, 255, 255)};
        return kLight[index % kCount];
    }
};

}  // namespace rovik
