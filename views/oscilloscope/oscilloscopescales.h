#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>

// The oscilloscope panel's scale arithmetic (time base, acquisition length, prehistory, volts per
// division, wheel and pinch steps), kept apart from the widget so every rule can be checked case
// by case. Times are seconds, voltages volts.
namespace OscilloscopeScales {

// Times per division, 1 ns to 1 s in 1-2-5 steps.
constexpr std::array<double, 28> horizontalDivisions = {
        1e-9, 2e-9, 5e-9, 1e-8, 2e-8, 5e-8, 1e-7, 2e-7, 5e-7, 1e-6, 2e-6, 5e-6, 1e-5, 2e-5,
        5e-5, 1e-4, 2e-4, 5e-4, 1e-3, 2e-3, 5e-3, 1e-2, 2e-2, 5e-2, 0.1,  0.2,  0.5,  1.0};
// Volts per division, 5 mV to 5 V.
constexpr std::array<double, 10> verticalDivisions = {0.005, 0.01, 0.02, 0.05, 0.1,
                                                      0.2,   0.5,  1.0,  2.0,  5.0};
// Channel rows: channel 1, channel 2, math channel.
constexpr int channelCount = 3;

constexpr int lastTimeDivisionIndex = int(horizontalDivisions.size()) - 1;
constexpr int lastVoltDivisionIndex = int(verticalDivisions.size()) - 1;
constexpr int defaultTimeDivisionIndex = 25;
constexpr int defaultVoltDivisionIndex = 6;
// Horizontal divisions of the visible span.
constexpr int spanDivisions = 8;
// Fewest samples per frame for which a faster time base is still offered.
constexpr int minimumPointCount = 512;
// The prehistory moves in blocks of this many samples.
constexpr int prehistoryBlock = 32;
// The read-point limit the panel assumes until the view hands over its own.
constexpr quint64 defaultPointLimit = 10000;

// The resource's rule for a realisable sample period: (wanted period, coarsest period).
using RoundPeriodFunction = std::function<double(double, double)>;

// Samples per frame allowed by a read-point limit: limit × 1024 / 1000, without overflow.
quint64 maximumPointCount(quint64 pointLimit);

// Visible span of a valid time-per-division index: 8 divisions.
double spanTime(int timeIndex);

// Sample period for a time-per-division index and point count. A rule whose answer is not a
// positive, finite number is ignored, so a faulty resource never stalls the time base.
double periodValue(int timeIndex, quint64 pointCount, const RoundPeriodFunction &rule);

// Acquisition length for a time-per-division index and point count; 0 when no frame fits.
double scanTimeValue(int timeIndex, quint64 pointCount, const RoundPeriodFunction &rule);

// Enabled states of the time-per-division buttons.
bool timeIncreaseEnabled(int timeIndex);
bool timeDecreaseEnabled(int timeIndex, double scanTime, double period);

// The index a stored time-per-division index applies: none for a negative one, the last for
// one past the table.
std::optional<int> storedTimeIndex(int timeIndex);

// Prehistory block and the longest prehistory a scan allows.
double prehistoryStep(double period);
double prehistoryMaximum(double scanTime, double period);

// A requested prehistory as a whole number of blocks, at least one, given the current one:
// growing rounds down, shrinking rounds up, a whole number of blocks stays. None when nothing
// changes.
std::optional<double> quantizedPrehistory(double current, double requested, double step);

// A prehistory pulled back below its maximum after the time base changed: above the maximum by
// up to a tenth of it is kept. None when it is not above the maximum.
std::optional<double> correctedPrehistory(double value, double maximum, double step);

// Enabled states of a channel's volts-per-division buttons.
bool voltIncreaseEnabled(int voltIndex);
bool voltDecreaseEnabled(int voltIndex);
// A stored volts-per-division index, clamped to the table.
int clampedVoltIndex(int voltIndex);
// Old scale over new scale after one step to voltIndex; none at the table's end it came from.
std::optional<double> voltStepRatio(int voltIndex, bool raised);

// Label texts of the scales ("200 ms", "500 mV").
QString timeDivisionText(int timeIndex);
QString voltDivisionText(int voltIndex);

enum class TimeStep { None, Increase, Decrease };

// Wheel towards the user (negative delta) raises the time per division, away lowers it.
TimeStep wheelStep(int delta, bool increaseEnabled, bool decreaseEnabled);
// One pinch step once the total scale moved more than a factor 1.5 from the last step's;
// pinching in (scale below 1) raises the time per division.
TimeStep pinchStep(double lastScale, double totalScale, double currentScale, bool increaseEnabled,
                   bool decreaseEnabled);

// Curve colours per theme, channel rows in order.
std::array<QColor, channelCount> channelColorsDark();
std::array<QColor, channelCount> channelColorsLight();

} // namespace OscilloscopeScales
