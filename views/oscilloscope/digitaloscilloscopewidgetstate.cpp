// The panel's setters and state: time base and acquisition length, prehistory, the stored
// records the view hands over, vertical scales and channel rows, capabilities and colours.
#include "ui_digitaloscilloscopewidget.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "views/oscilloscope/channelpanelsettingswidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/mathchannelpanelsettingswidget.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/triggerpanelsettingswidget.h"

#include <cmath>

using namespace OscilloscopeScales;

template<typename Apply>
void DigitalOscilloscopeWidget::forRow(int channel, Apply apply)
{
    if (isAnalogChannel(channel))
        apply(m_channelControls[std::size_t(channel)]);
    else
        apply(m_mathChannelControls);
}

bool DigitalOscilloscopeWidget::isAnalogChannel(int channel) const
{
    return channel >= 0 && channel < int(m_channelControls.size());
}

int DigitalOscilloscopeWidget::triggerSourceChannel() const
{
    const int source = m_triggerParameters.channel;
    return source >= 0 && source < int(m_channelParameters.size()) ? source : 0;
}

std::optional<double> DigitalOscilloscopeWidget::channelRange(int channel) const
{
    if (channel < 0 || channel >= int(m_channelParameters.size()))
        return std::nullopt;
    // A stored range index past the list reads as the last range, as the channel dialog shows
    // it: the trigger dialog then never keeps an old record or an old channel's levels.
    if (m_supportedRanges.empty())
        return std::nullopt;
    const std::size_t range = m_channelParameters[std::size_t(channel)].range;
    return m_supportedRanges[std::min(range, m_supportedRanges.size() - 1)];
}

double DigitalOscilloscopeWidget::getPeriodValue() const
{
    return periodValue(m_timeDivisionIndex, m_maximumPointCount, m_roundPeriodFunction);
}

double DigitalOscilloscopeWidget::getScanTimeValue() const
{
    return scanTimeValue(m_timeDivisionIndex, m_maximumPointCount, m_roundPeriodFunction);
}

void DigitalOscilloscopeWidget::emitTimeParameters()
{
    const double period = getPeriodValue();
    emit timeParametersChanged({period, getScanTimeValue()});
    emit timePlotParametersChanged({period, spanTime(m_timeDivisionIndex)});
}

void DigitalOscilloscopeWidget::setHDivision(int index)
{
    if (index < 0 || index > lastTimeDivisionIndex)
        return;
    m_timeDivisionIndex = index;
    const double period = getPeriodValue();
    const double scanTime = getScanTimeValue();
    ui->timeDivIncreaseButton->setEnabled(timeIncreaseEnabled(index));
    ui->timeDivDecreaseButton->setEnabled(timeDecreaseEnabled(index, scanTime, period));
    ui->timeDivLabel->setText(timeDivisionText(index));
    if (scanTime != 0.0 && m_startMode != stoppedMode)
        emitTimeParameters();
    changePrehistorySettings();
}

void DigitalOscilloscopeWidget::setDefaultHorizontalIndex(int index)
{
    // A stored index past the table applies the last entry fully, so label, buttons and plot
    // agree with the index the panel keeps.
    const std::optional<int> applied = storedTimeIndex(index);
    if (!applied)
        return;
    setHDivision(*applied);
    if (m_plot)
        m_plot->setXZoom(*applied);
}

void DigitalOscilloscopeWidget::setMaximumPointCount(quint64 limit)
{
    m_maximumPointCount = OscilloscopeScales::maximumPointCount(limit);
    emitTimeParameters();
}

void DigitalOscilloscopeWidget::setRoundPeriodFunction(
        std::function<double(double, double)> function)
{
    m_roundPeriodFunction = std::move(function);
}

void DigitalOscilloscopeWidget::setDefaultTime(DigitalOscilloscopeTimeParameters)
{
    // The period and scan time follow from the time base and the point limit, never from a
    // stored record.
    changeMeasurementTime();
}

void DigitalOscilloscopeWidget::changeMeasurementTime()
{
    changePrehistorySettings();
    if (getScanTimeValue() != 0.0)
        emitTimeParameters();
}

void DigitalOscilloscopeWidget::changePrehistorySettings()
{
    const double period = getPeriodValue();
    const double step = prehistoryStep(period);
    const double maximum = prehistoryMaximum(getScanTimeValue(), period);
    {
        const QSignalBlocker blocker(ui->prehistorySpinBox);
        // The new step first: the range's maximum is a whole number of new steps, not of old
        // ones, and the box snaps what it clamps.
        ui->prehistorySpinBox->setSingleStep(step);
        ui->prehistorySpinBox->setRange(step, maximum);
        if (ui->prehistorySpinBox->value() > maximum)
            ui->prehistorySpinBox->setValue(maximum);
    }
    // The time mark takes the new range at once, stopped too: left in the range of an earlier
    // time base it would clamp the prehistory it is given and ask for the clamped one.
    rangeTimeMark();
    changePrehistory();
}

void DigitalOscilloscopeWidget::rangeTimeMark()
{
    if (!m_plotArea)
        return;
    const double period = getPeriodValue();
    emit m_plotArea->timeRangeChanged(prehistoryStep(period), getScanTimeValue() - period);
}

void DigitalOscilloscopeWidget::changePrehistory()
{
    const double period = getPeriodValue();
    const double step = prehistoryStep(period);
    const double maximum = prehistoryMaximum(getScanTimeValue(), period);
    const std::optional<double> corrected =
            correctedPrehistory(ui->prehistorySpinBox->value(), maximum, step);
    if (corrected) {
        const QSignalBlocker blocker(ui->prehistorySpinBox);
        ui->prehistorySpinBox->setValue(*corrected);
    }
    // Every prehistory the panel shows reaches the resource: an edit, a marker drag or a
    // correction after a shorter time base.
    const double value = ui->prehistorySpinBox->value();
    if (!corrected && std::abs(value - m_triggerParameters.prehistory) <= 1e-12) {
        // Nothing to send, yet the time mark stands where the box says: a restored prehistory,
        // or one a new time base keeps, is never shown where an earlier one was.
        if (m_plotArea)
            emit m_plotArea->pretimeChanged(value);
        return;
    }
    m_triggerParameters.prehistory = value;
    emit triggerParametersChanged(m_triggerParameters);
    emit prehistoryChanged(value);
}

void DigitalOscilloscopeWidget::setPrehistory(double value)
{
    const std::optional<double> quantized = quantizedPrehistory(
            ui->prehistorySpinBox->value(), value, prehistoryStep(getPeriodValue()));
    if (quantized)
        ui->prehistorySpinBox->setValue(*quantized);
}

void DigitalOscilloscopeWidget::setDefaultTrigger(DigitalOscilloscopeTriggerParameters parameters)
{
    m_triggerParameters = parameters;
    // A source the panel does not have reads as channel 1 everywhere, the record included.
    m_triggerParameters.channel = triggerSourceChannel();
    {
        const QSignalBlocker blocker(ui->triggerSourceDoubleSwitch);
        ui->triggerSourceDoubleSwitch->setChecked(m_triggerParameters.channel != 0);
    }
    // The stored prehistory is brought into the range of the time base shown before anything
    // goes out: one shorter than a block (a fresh start, say) is never sent, and its correction
    // is sent once, with the dialog's record or else by the correction below.
    {
        const QSignalBlocker blocker(ui->prehistorySpinBox);
        ui->prehistorySpinBox->setValue(m_triggerParameters.prehistory);
    }
    const double shown = ui->prehistorySpinBox->value();
    // The dialog takes the stored record before the range, so its own form never overwrites
    // the record the panel was just given; applying the range sends the record.
    if (const std::optional<double> range = channelRange(triggerSourceChannel())) {
        if (std::abs(shown - m_triggerParameters.prehistory) > 1e-12)
            m_triggerParameters.prehistory = shown;
        m_triggerSettings->setDefaultParameters(m_triggerParameters);
        m_triggerSettings->setRange(*range);
    }
    changePrehistory();
}

void DigitalOscilloscopeWidget::displayStartMode(DigitalOscilloscopeStartType mode)
{
    const QList<QPair<QToolButton *, int>> buttons = {
            {ui->startSingleModeButton, DigitalOscilloscopeSingle},
            {ui->startAutoModeButton, DigitalOscilloscopeAutomatic},
            {ui->startNormalModeButton, DigitalOscilloscopeCyclic},
    };
    m_startMode = mode;
    for (const auto &[button, buttonMode] : buttons) {
        button->setDown(false);
        button->setChecked(buttonMode == mode);
    }
}

void DigitalOscilloscopeWidget::displayStopMode()
{
    m_startMode = stoppedMode;
    for (QToolButton *button : {ui->startSingleModeButton, ui->startAutoModeButton,
                                ui->startNormalModeButton, ui->stopModeButton}) {
        button->setDown(false);
        button->setChecked(false);
    }
}

void DigitalOscilloscopeWidget::changePlotVDivision(int channel, bool raised)
{
    const std::size_t row = std::size_t(std::clamp(channel, 0, channelCount - 1));
    if (row >= m_voltDivisionIndexes.size())
        return;
    const int index = m_voltDivisionIndexes[row];
    forRow(channel, [index](auto &controls) {
        controls.vDivIncreaseButton->setEnabled(voltIncreaseEnabled(index));
        controls.vDivDecreaseButton->setEnabled(voltDecreaseEnabled(index));
        controls.vDivLabel->setText(voltDivisionText(index));
    });
    emit channelZoomChanged(m_voltDivisionIndexes);
    if (const std::optional<double> ratio = voltStepRatio(index, raised))
        emit plotVDivisionChanged(int(row), *ratio);
}

// The scale labels are the panel's own texts, written at each step; the form does not know
// them, so a new language would leave them in the old one until the next step.
void DigitalOscilloscopeWidget::retranslateScales()
{
    const QString time = timeDivisionText(m_timeDivisionIndex);
    if (!time.isEmpty())
        ui->timeDivLabel->setText(time);
    for (std::size_t row = 0; row < m_voltDivisionIndexes.size(); ++row) {
        const QString volts = voltDivisionText(m_voltDivisionIndexes[row]);
        if (!volts.isEmpty())
            forRow(int(row), [&volts](auto &controls) { controls.vDivLabel->setText(volts); });
    }
}

void DigitalOscilloscopeWidget::setDefaultChannelZooms(std::vector<int> indexes)
{
    for (std::size_t i = 0; i < m_voltDivisionIndexes.size() && i < indexes.size(); ++i) {
        const int target = clampedVoltIndex(indexes[i]);
        while (m_voltDivisionIndexes[i] < target) {
            ++m_voltDivisionIndexes[i];
            changePlotVDivision(int(i), true);
        }
        while (m_voltDivisionIndexes[i] > target) {
            --m_voltDivisionIndexes[i];
            changePlotVDivision(int(i), false);
        }
    }
}

void DigitalOscilloscopeWidget::setDefaultDivisions()
{
    m_voltDivisionIndexes.resize(m_channelParameters.size() + 1, defaultVoltDivisionIndex);
    for (std::size_t i = 0; i < m_voltDivisionIndexes.size(); ++i)
        changePlotVDivision(int(i), true);
    setHDivision(m_timeDivisionIndex);
    emit plotHDivisionIncremented();
}

void DigitalOscilloscopeWidget::setParametersWidgetEnabled(int channel, bool enabled)
{
    forRow(channel, [enabled](auto &controls) {
        controls.vDivLabel->setEnabled(enabled);
        controls.vDivIncreaseButton->setEnabled(enabled);
        controls.vDivDecreaseButton->setEnabled(enabled);
        controls.settingsButton->setEnabled(enabled);
    });
}

void DigitalOscilloscopeWidget::setState(int channel, bool on)
{
    if (isAnalogChannel(channel)) {
        DigitalOscilloscopeChannelParameters &record = m_channelParameters[std::size_t(channel)];
        record.state = on ? 1 : 0;
        emit channelParametersChanged(record);
    } else {
        m_mathChannelParameters.state = on ? 1 : 0;
        emit mathChannelParametersChanged(m_mathChannelParameters);
    }
    setParametersWidgetEnabled(channel, on);
    const std::size_t row = std::size_t(std::clamp(channel, 0, channelCount - 1));
    if (on && row < m_voltDivisionIndexes.size()) {
        const int index = m_voltDivisionIndexes[row];
        forRow(channel, [index](auto &controls) {
            controls.vDivIncreaseButton->setEnabled(voltIncreaseEnabled(index));
            controls.vDivDecreaseButton->setEnabled(voltDecreaseEnabled(index));
        });
    }
    if (m_plot)
        m_plot->setCurveEnable(int(row), on);
    // A switched-off row's offset marker leaves its strip with the curve, so it cannot be
    // dragged to change an offset nobody sees.
    if (m_plotArea)
        emit m_plotArea->offsetEnabledChanged(int(row), on);
}

void DigitalOscilloscopeWidget::setDefaultChannels(
        std::vector<DigitalOscilloscopeChannelParameters> parameters)
{
    for (DigitalOscilloscopeChannelParameters record : parameters) {
        // A record for a channel the panel does not have is not the panel's to keep.
        const int c = record.channel;
        if (!isAnalogChannel(c))
            continue;
        if (!std::isfinite(record.offset))
            record.offset = 0.0;
        const bool enabled = record.state != 0;
        m_channelControls[std::size_t(c)].enableCheckBox->setChecked(enabled);
        setState(c, enabled);
        m_channelParameters[std::size_t(c)] = record;
        if (triggerSourceChannel() == c) {
            if (const std::optional<double> range = channelRange(c))
                m_triggerSettings->setRange(*range);
        }
        m_channelControls[std::size_t(c)].settingsWidget->setDefaultParameters(record);
        emit offsetChanged(c, record.offset);
        emit channelParametersChanged(m_channelParameters[std::size_t(c)]);
    }
    m_mathChannelControls.enableCheckBox->setChecked(false);
    m_mathChannelControls.settingsWidget->setDefaultParameters(m_mathChannelParameters);
    setState(int(m_channelControls.size()), false);
    emit offsetChanged(int(m_channelControls.size()), m_mathChannelParameters.offset);
}

void DigitalOscilloscopeWidget::setDefaultMath(DigitalOscilloscopeMathChannelParameters parameters)
{
    if (!std::isfinite(parameters.offset))
        parameters.offset = 0.0;
    m_mathChannelParameters = parameters;
    const bool on = parameters.state != 0;
    m_mathChannelControls.enableCheckBox->setChecked(on);
    m_mathChannelControls.settingsWidget->setDefaultParameters(m_mathChannelParameters);
    setState(int(m_channelControls.size()), on);
}

void DigitalOscilloscopeWidget::changeRange(int channel)
{
    if (channel != triggerSourceChannel())
        return;
    if (const std::optional<double> range = channelRange(channel))
        m_triggerSettings->setRange(*range);
}

void DigitalOscilloscopeWidget::setSupportedRanges(std::vector<double> ranges)
{
    m_supportedRanges = std::move(ranges);
    for (AnalogControls &controls : m_channelControls)
        controls.settingsWidget->setSupportedRanges(m_supportedRanges);
}

void DigitalOscilloscopeWidget::setSupportedFilters(std::vector<std::pair<double, QString>> filters)
{
    for (AnalogControls &controls : m_channelControls)
        controls.settingsWidget->setSupportedFilters(filters);
}

void DigitalOscilloscopeWidget::setSupportedImpedances(
        const std::vector<DigitalOscilloscopeImpedanceType> &impedances)
{
    for (AnalogControls &controls : m_channelControls)
        controls.settingsWidget->setSupportedImpedances(impedances);
}

void DigitalOscilloscopeWidget::setSupportedEventMode(
        const std::vector<DigitalOscilloscopeEventMode> &modes)
{
    m_triggerSettings->setSupportedEventModes(modes);
}

void DigitalOscilloscopeWidget::setChannelColors(std::vector<QColor> colors)
{
    m_channelColors = std::move(colors);
    if (m_plot)
        m_plot->setCurveColors(m_channelColors);
    m_channelColors.resize(std::size_t(channelCount));
    recolorMeasurementButtons();
    emit colorsChahged(m_channelColors);
}
