#include "views/oscilloscope/oscilloscopescales.h"

#include "ui/viewbase/commonfunctions.h"
#include "vekwidgets/vekpalette.h"
#include "vekwidgets/vekstepgrid.h"

#include <QCoreApplication>

#include <algorithm>

#include <cmath>
#include <limits>

namespace OscilloscopeScales {

namespace {

bool validTimeIndex(int timeIndex)
{
    return timeIndex >= 0 && timeIndex <= lastTimeDivisionIndex;
}

bool validVoltIndex(int voltIndex)
{
    return voltIndex >= 0 && voltIndex <= lastVoltDivisionIndex;
}

bool positiveFinite(double value)
{
    return std::isfinite(value) && value > 0.0;
}

// Steps of the pinch compare scale factors as ratios both ways.
constexpr double pinchStepRatio = 1.5;

} // namespace

quint64 maximumPointCount(quint64 pointLimit)
{
    // limit = 1000 q + r: q × 1024 + r × 1024 / 1000 is the same quotient without the overflow
    // of limit × 1024; past that the count saturates.
    const quint64 q = pointLimit / 1000;
    const quint64 r = pointLimit % 1000;
    if (q > std::numeric_limits<quint64>::max() / 1024 - 2)
        return std::numeric_limits<quint64>::max();
    return q * 1024 + r * 1024 / 1000;
}

double spanTime(int timeIndex)
{
    if (!validTimeIndex(timeIndex))
        return 0.0;
    return spanDivisions * horizontalDivisions[std::size_t(timeIndex)];
}

double periodValue(int timeIndex, quint64 pointCount, const RoundPeriodFunction &rule)
{
    const double span = spanTime(timeIndex);
    const double coarsest = span / minimumPointCount;
    if (!rule)
        return coarsest;
    const double period = rule(span / double(pointCount), coarsest);
    return positiveFinite(period) ? period : coarsest;
}

double scanTimeValue(int timeIndex, quint64 pointCount, const RoundPeriodFunction &rule)
{
    const double period = periodValue(timeIndex, pointCount, rule);
    if (!positiveFinite(period) || pointCount == 0)
        return 0.0;
    const double points = double(pointCount);
    const double blocks = std::ceil(spanTime(timeIndex) / period / points);
    const double longest = 1.25 * points * period;
    // A count past 64 bits takes the same branch as one past 1.25 frames.
    if (!std::isfinite(blocks) || blocks > double(std::numeric_limits<qint64>::max()) / points)
        return longest;
    const qint64 count = qint64(blocks) * qint64(pointCount);
    if (count < 0 || double(count) > 1.25 * points)
        return longest;
    if (count < minimumPointCount)
        return minimumPointCount * period;
    return double(count) * period;
}

bool timeIncreaseEnabled(int timeIndex)
{
    return timeIndex < lastTimeDivisionIndex;
}

bool timeDecreaseEnabled(int timeIndex, double scanTime, double period)
{
    return timeIndex > 0 && period > 0.0 && scanTime / period >= minimumPointCount;
}

std::optional<int> storedTimeIndex(int timeIndex)
{
    if (timeIndex < 0)
        return std::nullopt;
    return std::min(timeIndex, lastTimeDivisionIndex);
}

double prehistoryStep(double period)
{
    return prehistoryBlock * period;
}

double prehistoryMaximum(double scanTime, double period)
{
    return scanTime - prehistoryStep(period);
}

std::optional<double> quantizedPrehistory(double current, double requested, double step)
{
    if (!std::isfinite(requested) || !positiveFinite(step))
        return std::nullopt;
    if (std::abs(current - requested) < 1e-12)
        return std::nullopt;
    // The box's rule for a grid, in the direction of the change: a request a hair off a whole
    // number of blocks is that number, never a block short or over.
    const VekStepGrid::Rounding rounding =
            requested < current ? VekStepGrid::Rounding::Up : VekStepGrid::Rounding::Down;
    return std::max(VekStepGrid::wholeSteps(requested, step, rounding), 1.0) * step;
}

std::optional<double> correctedPrehistory(double value, double maximum, double step)
{
    if (value - maximum <= 1e-12)
        return std::nullopt;
    double corrected = value;
    if (maximum < step)
        corrected = step;
    if (corrected - maximum > 0.1 * std::abs(maximum))
        corrected = maximum;
    return corrected;
}

bool voltIncreaseEnabled(int voltIndex)
{
    return voltIndex < lastVoltDivisionIndex;
}

bool voltDecreaseEnabled(int voltIndex)
{
    return voltIndex > 0;
}

int clampedVoltIndex(int voltIndex)
{
    return std::clamp(voltIndex, 0, lastVoltDivisionIndex);
}

std::optional<double> voltStepRatio(int voltIndex, bool raised)
{
    if (!validVoltIndex(voltIndex))
        return std::nullopt;
    const int previous = raised ? voltIndex - 1 : voltIndex + 1;
    if (!validVoltIndex(previous))
        return std::nullopt;
    return verticalDivisions[std::size_t(previous)] / verticalDivisions[std::size_t(voltIndex)];
}

QString timeDivisionText(int timeIndex)
{
    if (!validTimeIndex(timeIndex))
        return QString();
    return normalizeDimensionValue(horizontalDivisions[std::size_t(timeIndex)], 0,
                                   QCoreApplication::translate("DigitalOscilloscopeWidget", "s"),
                                   true, false);
}

QString voltDivisionText(int voltIndex)
{
    if (!validVoltIndex(voltIndex))
        return QString();
    return normalizeDimensionValue(verticalDivisions[std::size_t(voltIndex)], 0,
                                   QCoreApplication::translate("DigitalOscilloscopeWidget", "V"),
                                   true, false);
}

TimeStep wheelStep(int delta, bool increaseEnabled, bool decreaseEnabled)
{
    if (delta < 0 && increaseEnabled)
        return TimeStep::Increase;
    if (delta > 0 && decreaseEnabled)
        return TimeStep::Decrease;
    return TimeStep::None;
}

TimeStep pinchStep(double lastScale, double totalScale, double currentScale, bool increaseEnabled,
                   bool decreaseEnabled)
{
    if (!positiveFinite(std::abs(lastScale)) || !positiveFinite(std::abs(totalScale)))
        return TimeStep::None;
    if (std::abs(lastScale / totalScale) <= pinchStepRatio
        && std::abs(totalScale / lastScale) <= pinchStepRatio)
        return TimeStep::None;
    if (currentScale < 1.0 && increaseEnabled)
        return TimeStep::Increase;
    if (currentScale > 1.0 && decreaseEnabled)
        return TimeStep::Decrease;
    return TimeStep::None;
}

std::array<QColor, channelCount> channelColorsDark()
{
    return {QColor("#FFFF00"), QColor("#FF00FF"), QColor("#00FF00")};
}

std::array<QColor, channelCount> channelColorsLight()
{
    return {QColor("#F44336"), VekPalette::global()->color(VekPalette::Primary), QColor("#4DBD33")};
}

} // namespace OscilloscopeScales
