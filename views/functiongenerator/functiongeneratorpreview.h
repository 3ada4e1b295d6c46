#pragma once

#include "resources/functiongeneratoroptions.h"

#include <QColor>
#include <QVector>

#include <vector>

// The preview of a generator channel's signal, computed without widgets: the time span each
// channel needs and the polyline that draws it in volts over seconds. The plot's width in
// pixels is the vertex budget, so no curve grows with the frequency: beyond the budget a
// periodic signal becomes a band of vertical strokes between its peaks. A frequency, rate or
// span that is not a finite positive number (a stored state may hold any) counts as 0.

// The curve colour of each channel, index = channel, for the light and the dark theme.
extern const std::vector<QColor> functionGeneratorChannelColorsLight;
extern const std::vector<QColor> functionGeneratorChannelColorsDark;

// Every value drawn is kept within this reach, just outside the largest output range.
inline constexpr double functionGeneratorPreviewClip = 15.0;

struct FunctionGeneratorPreviewCurve
{
    QVector<double> x;
    QVector<double> y;
};

// Seconds a standard function's preview spans: 1 s for the level, two and a half periods of
// the sine, square and ramps, two periods plus the duty cycle (or symmetry) of one for the
// rectangle (or triangle); 0 for the others and for a frequency of 0.
double functionGeneratorStandardSpan(const FunctionGeneratorChannelOptions &options);

// Seconds an arbitrary waveform of sampleCount samples spans at the rate in MHz; 0 without
// samples or rate.
double functionGeneratorWaveformSpan(int sampleCount, double sampleRateMHz);

// The band that stands for a signal too dense for the budget: budget vertical strokes from
// -amplitude to +amplitude spread over span.
void functionGeneratorBand(int budget, double amplitude, double span, QVector<double> &x,
                           QVector<double> &y);

// A modulated sine's carrier at the times x, from the modulating sine's values y0; empty when
// the channel is not modulated.
QVector<double> functionGeneratorModulate(const FunctionGeneratorChannelOptions &options,
                                          const QVector<double> &x, const QVector<double> &y0);

// What the curves of a panel are drawn over: the current channel's span, the channel's own
// span, every channel's span in ascending order, and the budget in pixels.
struct FunctionGeneratorPreviewFrame
{
    double currentSpan = 0.0;
    double ownSpan = 0.0;
    std::vector<double> sortedSpans;
    int budget = 0;
};

// A standard function's curve, before the offset. Every channel is drawn over the current
// channel's span; a vertex is added where another channel's span ends inside this channel's
// own, so that the curves meet the axis ends of the channels the user switches to.
FunctionGeneratorPreviewCurve
functionGeneratorStandardCurve(const FunctionGeneratorChannelOptions &options,
                               const FunctionGeneratorPreviewFrame &frame);

// An arbitrary waveform's curve over span, before the offset: sample by sample within the
// budget, otherwise the smallest and largest sample of each bucket.
FunctionGeneratorPreviewCurve functionGeneratorWaveformCurve(const QVector<double> &samples,
                                                             double sampleRateMHz, double span,
                                                             int budget);

// Adds the offset and keeps every value within the clip reach.
void functionGeneratorOffsetAndClip(FunctionGeneratorPreviewCurve &curve, double offset);
