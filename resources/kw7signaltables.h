#pragma once

#include "resources/functiongeneratoroptions.h"

#include <QVector>

#include <utility>

// The signal arithmetic of the KW7 generator: sample-rate codes, one-period tables of the
// standard functions and the interleaved buffer of the arbitrary waveforms.
namespace kw7 {

// Rate code and data-speed code sent for an output sample rate in MHz.
std::pair<int, int> sampleRateCodes(unsigned int samplingFrequency);
// Samples per second with which the function tables are computed.
unsigned int getDataSpeed(unsigned int samplingFrequency);

struct AfgDataParams
{
    unsigned int count = 0; // samples in one period, at most 1024
    double step = 0.0; // seconds between samples
};
// No table (count 0) when a period holds 9 samples or fewer, or the frequency is not a
// positive finite number. A period beyond 2^32 - 1 samples gets the longest table there is.
AfgDataParams calculateAFGDataParams(double frequency, unsigned int dataSpeed);

struct FunctionTable
{
    QVector<double> samples;
    double step = 0.0;
};
// One period of a tabled standard function (Square to NegativeRamp); empty for the others.
FunctionTable functionTable(FunctionGeneratorStandardFunction function,
                            const FunctionGeneratorStartardFunctionOptions &options,
                            unsigned int dataSpeed);

// The sine phase reduced to one turn at a resolution of a tenth of a degree.
double reducedPhase(double phase);

// Buffer of L values per channel, interleaved by sample, L = n + n mod 16 for the longest
// signal n; shorter signals repeat, and a channel without signal (empty) contributes 0.0.
QVector<double> interleaveAwgSignals(const QVector<QVector<double>> &channelSignals,
                                     unsigned int *length);

} // namespace kw7
