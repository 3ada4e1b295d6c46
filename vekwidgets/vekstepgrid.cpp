#include "vekwidgets/vekstepgrid.h"

#include <cmath>

namespace VekStepGrid {

namespace {

// A hair, in steps.
constexpr double hair = 1e-9;

bool usableStep(double step)
{
    return step > 0.0 && std::isfinite(step);
}

} // namespace

double wholeSteps(double quantity, double step, Rounding rounding)
{
    if (!usableStep(step) || !std::isfinite(quantity))
        return 0.0;
    const double steps = quantity / step;
    switch (rounding) {
    case Rounding::Down:
        return std::floor(steps + hair);
    case Rounding::Up:
        return std::ceil(steps - hair);
    case Rounding::Nearest:
        return std::floor(steps + 0.5 - hair);
    }
    return 0.0;
}

double onGrid(double quantity, double step, Rounding rounding)
{
    return wholeSteps(quantity, step, rounding) * (usableStep(step) ? step : 0.0);
}

bool samePoint(double a, double b, double step)
{
    return usableStep(step) && std::abs(a - b) <= hair * step;
}

} // namespace VekStepGrid
