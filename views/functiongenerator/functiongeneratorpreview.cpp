#include "views/functiongenerator/functiongeneratorpreview.h"

const std::vector<QColor> functionGeneratorChannelColorsLight = {QColor(0xF4, 0x43, 0x36),
                                                                 QColor(0x21, 0x96, 0xF3)};
const std::vector<QColor> functionGeneratorChannelColorsDark = {QColor(0xFF, 0xFF, 0x00),
                                                                QColor(0xFF, 0x00, 0xFF)};
