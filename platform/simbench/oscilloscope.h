#pragma once
// The acquisition shared by the two simulated oscilloscope models: a sine on each input,
// sampled at the configured period from the configured start time once triggered.
#include "simbench/bench.h"

namespace simbench {

struct ScopeLimits
{
    double shortestPeriod;
    double longestPeriod;
};

// Snaps the three time-base values to what the model supports and stores them.
ViStatus configureScopeTime(Unit &unit, const ScopeLimits &limits, ViReal64 *period,
                            ViReal64 *duration, ViReal64 *startTime);
// Channel 0 carries the unit's sine, channel 1 half of it 90 degrees later; samples beyond
// the range clip there and make the read return ZQ_WARN_INPUT_OVERDRIVE. Before a trigger
// nothing is delivered.
ViStatus readScopeWaveform(Call &call, Unit &unit, ViInt16 channel, ViInt32 *count,
                           ViReal64 *samples);

} // namespace simbench
