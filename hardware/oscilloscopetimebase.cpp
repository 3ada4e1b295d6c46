#include "hardware/oscilloscopetimebase.h"

#include <cmath>

namespace {

double roundedCount(double period, double duration)
{
    return duration / period + 0.5;
}

} // namespace

bool validTimeBase(double period, double duration)
{
    if (!(period > 0.0) || !std::isfinite(period))
        return false;
    const double count = roundedCount(period, duration);
    return count >= 1.0 && count < double(maximumFramePoints) + 1.0;
}

int timeBasePointCount(double period, double duration)
{
    return int(roundedCount(period, duration));
}
