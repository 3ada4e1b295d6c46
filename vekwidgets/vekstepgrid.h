#pragma once

#include "vekwidgets_export.h"

// Quantities on a grid of equal steps (a value in the steps of its box, a prehistory in blocks of
// samples), counted in whole steps by one rule. A count within a hair of a whole number is that
// number: ends of ranges and values computed in other units (a scan time less a block, a number
// read back in milliseconds) land a hair off their steps, and counted strictly they would gain
// or lose one.
namespace VekStepGrid {

enum class Rounding {
    Down, // the last whole step at or below the quantity
    Up, // the first whole step at or above it
    Nearest, // the nearer of the two; half a step rounds down
};

// Whole steps in a quantity, as an integral double; 0 for a step that is not positive and
// finite or a quantity that is not finite.
VEKWIDGETS_EXPORT double wholeSteps(double quantity, double step, Rounding rounding);

// The quantity on the grid: its whole steps times the step.
VEKWIDGETS_EXPORT double onGrid(double quantity, double step, Rounding rounding);

// Whether two quantities are one point of the grid: they differ by no more than a hair.
VEKWIDGETS_EXPORT bool samePoint(double a, double b, double step);

} // namespace VekStepGrid
