// An icon whose pixels are compiled into the program, so that showing it reads no file
// and asks no image plugin.
#pragma once

#include <cstdint>

namespace framework {

struct CompiledIcon {
    int id;  // the icon resource it is
    int width;
    int height;
    const std::uint32_t* argb;  // width * height pixels, row by row, 0xAARRGGBB unpremultiplied
};

}  // namespace framework
