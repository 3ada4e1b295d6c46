#pragma once

// Grid division counts of the oscilloscope plot: major divisions of each axis and the minor
// intervals inside one major division.
struct Division
{
    int verticalMajor = 8;
    int verticalMinor = 5;
    int horizontalMajor = 8;
    int horizontalMinor = 5;
};
