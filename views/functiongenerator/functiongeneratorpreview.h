#pragma once

#include <QColor>

#include <vector>

// The curve colour of each channel, index = channel, for the light and the dark theme.
extern const std::vector<QColor> functionGeneratorChannelColorsLight;
extern const std::vector<QColor> functionGeneratorChannelColorsDark;
