#pragma once

#include <QtGlobal>

#include <span>

namespace zerval {

// A picture painted at build time: premultiplied ARGB pixels, row after row.
struct PrepaintedPicture {
    const char* name;
    int width;
    int height;
    const uchar* pixels;
};

// Written by zerval-icons --prepaint into the build folder.
std::span<const PrepaintedPicture> prepaintedPictures();

} // namespace zerval
