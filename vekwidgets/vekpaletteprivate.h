#pragma once

#include "vekwidgets/vekpalette.h"

#include <array>

// The Material colour table and the role colours of one palette. Internal to the library.
class VekPalettePrivate
{
public:
    static constexpr int roleCount = 7;

    // The table entry as 0xRRGGBB; white where the row has no such hue or does not exist.
    static unsigned int rgbColorFromPalette(const VekPalette::BaseColor &color,
                                            const VekPalette::ColorHue &hue);

    std::array<unsigned int, roleCount> roles {};
};
