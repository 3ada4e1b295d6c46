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

// The entry points that the two models have alike; function and library as for the entries
// of simbench/driver.h.
ViStatus scopeConfigEntry(const char *function, const char *library, ViSession vi);
ViStatus scopeBaseFrequencyEntry(const char *function, const char *library, ViSession vi,
                                 ViInt16 base);
ViStatus scopeTimeEntry(const char *function, const char *library, ViSession vi,
                        const ScopeLimits &limits, ViReal64 *period, ViReal64 *duration,
                        ViReal64 *startTime);
ViStatus scopeEventsEntry(const char *function, const char *library, ViSession vi, ViInt16 channel,
                          ViInt16 mode, ViUInt8 polarity, ViInt16 a, ViInt16 b,
                          const ViReal64 *times, const ViReal64 *levels);
// The trigger (armed) and stop (not armed) calls.
ViStatus scopeArmEntry(const char *function, const char *library, ViSession vi, bool armed);
ViStatus scopeReadEntry(const char *function, const char *library, ViSession vi, ViInt16 channel,
                        ViInt16 block, ViInt16 first, ViInt32 *count, ViInt16 units, ViInt16 a,
                        ViInt16 b, ViReal64 *samples, ViInt16 c, ViInt16 d, ViInt16 e);

} // namespace simbench
