#pragma once

// The oscilloscopes' time base: how many samples a frame of the given duration holds.

// The most samples per channel a frame may hold.
constexpr int maximumFramePoints = 1 << 26;

// True when the period is positive and finite and the frame holds 1 to maximumFramePoints
// samples; anything else must not reach a row resize.
bool validTimeBase(double period, double duration);

// duration / period rounded half up (valid time bases only).
int timeBasePointCount(double period, double duration);
