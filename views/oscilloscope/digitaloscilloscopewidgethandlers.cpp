// The panel's edit handlers and request signals: start and stop, frames and overload, the time
// and scale buttons, the trigger source, the settings dialogs, and the one function that joins
// the form and the dialogs to them.
#include "ui_digitaloscilloscopewidget.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "ui/viewbase/modaldialogs.h"
#include "views/oscilloscope/channelpanelsettingswidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/mathchannelpanelsettingswidget.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/triggerpanelsettingswidget.h"

#include <QBoxLayout>

#include <cmath>

using namespace OscilloscopeScales;

void DigitalOscilloscopeWidget::startHandler(DigitalOscilloscopeStartType mode)
{
    if (m_plot)
        m_plot->clear();
    m_singleStopPending.exchange(mode == DigitalOscilloscopeSingle);
    const QList<QPair<QToolButton *, int>> buttons = {
            {ui->startSingleModeButton, DigitalOscilloscopeSingle},
            {ui->startAutoModeButton, DigitalOscilloscopeAutomatic},
            {ui->startNormalModeButton, DigitalOscilloscopeCyclic},
    };
    for (const auto &[button, buttonMode] : buttons)
        button->setDown(false);
    m_startMode = mode;
    for (const auto &[button, buttonMode] : buttons)
        button->setChecked(buttonMode == mode);
    emitTimeParameters();
    emit startMeasurement(mode);
    m_forceTriggerPending.exchange(false);
}

void DigitalOscilloscopeWidget::singleStartModeHandler()
{
    startHandler(DigitalOscilloscopeSingle);
}

void DigitalOscilloscopeWidget::cycleStartModeHandler()
{
    startHandler(DigitalOscilloscopeCyclic);
}

void DigitalOscilloscopeWidget::autoStartModeHandler()
{
    startHandler(DigitalOscilloscopeAutomatic);
}

void DigitalOscilloscopeWidget::stopModeHandler()
{
    displayStopMode();
    m_singleStopPending.exchange(false);
    emit stopMeasurement();
    m_forceTriggerPending.exchange(false);
}

void DigitalOscilloscopeWidget::startDefaultMode()
{
    // Building the panel starts nothing: the instrument stays stopped until the user presses a
    // start button.
    emit ui->startSingleModeButton->released();
}

void DigitalOscilloscopeWidget::setOscilloscopeData(double time, QVector<QVector<double>> &data)
{
    emit dataChanged(time, data);
    // A single acquisition ends with its first regular frame; a forced frame does not count.
    if (m_singleStopPending.load() && !m_forceTriggerPending.load()) {
        m_singleStopPending.exchange(false);
        emit ui->stopModeButton->pressed();
    }
    if (m_forceTriggerPending.load())
        m_forceTriggerPending.exchange(false);
}

void DigitalOscilloscopeWidget::showOverDriveWarning()
{
    emit ui->stopModeButton->pressed();
    if (!isVisible())
        return;
    ModalDialogs::warning(
            this, QString::fromUtf8("Перегрузка"),
            QString::fromUtf8("Зарегистрирована перегрузка по уровню входного сигнала.\n\n"
                              "Измерение остановлено."),
            QMessageBox::Ok, QMessageBox::NoButton);
}

void DigitalOscilloscopeWidget::stepTimeDivision(int step)
{
    setHDivision(m_timeDivisionIndex + step);
    emit channelXIndexChanged(m_timeDivisionIndex);
    if (step > 0)
        emit plotHDivisionIncremented();
    else
        emit plotHDivisionDecremented();
}

void DigitalOscilloscopeWidget::stepVoltDivision(int channel, int step)
{
    const std::size_t row = std::size_t(channel);
    if (row >= m_voltDivisionIndexes.size())
        return;
    const int index = m_voltDivisionIndexes[row] + step;
    if (index < 0 || index > lastVoltDivisionIndex)
        return;
    m_voltDivisionIndexes[row] = index;
    changePlotVDivision(channel, step > 0);
    emit channelZoomChanged(m_voltDivisionIndexes);
}

void DigitalOscilloscopeWidget::takeChannelRecord(DigitalOscilloscopeChannelParameters parameters)
{
    if (!isAnalogChannel(parameters.channel))
        return;
    DigitalOscilloscopeChannelParameters &record =
            m_channelParameters[std::size_t(parameters.channel)];
    const bool rangeChanged = parameters.range != record.range;
    record = parameters;
    emit channelParametersChanged(parameters);
    // The trigger levels follow the full scale of the trigger source only, and only a new
    // range re-ranges them: re-ranging applies the trigger dialog.
    if (rangeChanged)
        changeRange(parameters.channel);
}

void DigitalOscilloscopeWidget::setTriggerSource(bool secondChannel)
{
    const int channel = secondChannel ? 1 : 0;
    if (channel == m_triggerParameters.channel)
        return;
    if (const std::optional<double> range = channelRange(channel))
        m_triggerSettings->setRange(*range);
    m_triggerParameters.channel = channel;
    emit triggerParametersChanged(m_triggerParameters);
}

void DigitalOscilloscopeWidget::openTriggerSettings()
{
    m_triggerSettings->resize(width() / 3, height() / 2);
    m_triggerSettings->exec();
}

void DigitalOscilloscopeWidget::openChannelSettings(int channel)
{
    if (isAnalogChannel(channel)) {
        ChannelPanelSettingsWidget *dialog =
                m_channelControls[std::size_t(channel)].settingsWidget.get();
        dialog->resize(width() / 3, height() / 2);
        dialog->setDefaultParameters(m_channelParameters[std::size_t(channel)]);
        dialog->exec();
    } else {
        MathChannelPanelSettingsWidget *dialog = m_mathChannelControls.settingsWidget.get();
        dialog->resize(width() / 3, height() / 2);
        dialog->setDefaultParameters(m_mathChannelParameters);
        dialog->exec();
    }
}

void DigitalOscilloscopeWidget::setParametersWidgetsConnections()
{
    connect(ui->stopModeButton, &QToolButton::pressed, this,
            &DigitalOscilloscopeWidget::stopModeHandler);
    connect(ui->startAutoModeButton, &QToolButton::pressed, this,
            &DigitalOscilloscopeWidget::autoStartModeHandler);
    connect(ui->startSingleModeButton, &QToolButton::pressed, this,
            &DigitalOscilloscopeWidget::singleStartModeHandler);
    connect(ui->startNormalModeButton, &QToolButton::pressed, this,
            &DigitalOscilloscopeWidget::cycleStartModeHandler);
    connect(ui->prehistorySpinBox, &VekDimensionSpinBox::valueChanged, this,
            [this](double) { changePrehistory(); });
    connect(this, &DigitalOscilloscopeWidget::channelParametersChanged, this,
            [this](const DigitalOscilloscopeChannelParameters &parameters) {
                emit offsetChanged(parameters.channel, parameters.offset);
            });
    connect(this, &DigitalOscilloscopeWidget::mathChannelParametersChanged, this,
            [this](const DigitalOscilloscopeMathChannelParameters &parameters) {
                emit offsetChanged(int(m_channelControls.size()), parameters.offset);
            });
    connect(ui->channel1CheckBox, &QCheckBox::toggled, this, [this](bool on) { setState(0, on); });
    connect(ui->channel2CheckBox, &QCheckBox::toggled, this, [this](bool on) { setState(1, on); });
    connect(ui->mathChannelCheckBox, &QCheckBox::toggled, this,
            [this](bool on) { setState(2, on); });
    connect(ui->triggerToolBarButton, &QToolButton::clicked, this,
            &DigitalOscilloscopeWidget::openTriggerSettings);
    connect(ui->triggerSourceDoubleSwitch, &VekDoubleSwitch::toggled, this,
            &DigitalOscilloscopeWidget::setTriggerSource);
    connect(ui->forceTriggerPushButton, &QPushButton::clicked, this, [this] {
        m_forceTriggerPending.exchange(true);
        emit triggerForced();
    });
    connect(ui->timeDivIncreaseButton, &QToolButton::clicked, this,
            [this] { stepTimeDivision(1); });
    connect(ui->timeDivDecreaseButton, &QToolButton::clicked, this,
            [this] { stepTimeDivision(-1); });
    const QList<QPair<QToolButton *, QToolButton *>> scaleButtons = {
            {ui->channel1VDivIncreaseButton, ui->channel1VDivDecreaseButton},
            {ui->channel2VDivIncreaseButton, ui->channel2VDivDecreaseButton},
            {ui->mathChannelVDivIncreaseButton, ui->mathChannelVDivDecreaseButton},
    };
    for (int channel = 0; channel < scaleButtons.size(); ++channel) {
        connect(scaleButtons[channel].first, &QToolButton::clicked, this,
                [this, channel] { stepVoltDivision(channel, 1); });
        connect(scaleButtons[channel].second, &QToolButton::clicked, this,
                [this, channel] { stepVoltDivision(channel, -1); });
    }
    connect(ui->showMeasurementsSettingsToolButton, &QToolButton::released, this,
            &DigitalOscilloscopeWidget::showSettings);
    for (int channel = 0; channel < int(m_channelControls.size()); ++channel) {
        AnalogControls &controls = m_channelControls[std::size_t(channel)];
        connect(controls.settingsWidget.get(),
                &ChannelPanelSettingsWidget::channelDescriptionChanged, controls.settingsButton,
                &QToolButton::setText);
        connect(controls.settingsWidget.get(),
                &ChannelPanelSettingsWidget::channelParametersChanged, this,
                &DigitalOscilloscopeWidget::takeChannelRecord);
        connect(controls.settingsButton, &QToolButton::clicked, this,
                [this, channel] { openChannelSettings(channel); });
    }
    connect(m_mathChannelControls.settingsWidget.get(),
            &MathChannelPanelSettingsWidget::channelDescriptionChanged,
            m_mathChannelControls.settingsButton, &QToolButton::setText);
    connect(m_mathChannelControls.settingsWidget.get(),
            &MathChannelPanelSettingsWidget::mathChannelParametersChanged, this,
            [this](const DigitalOscilloscopeMathChannelParameters &parameters) {
                m_mathChannelParameters = parameters;
                emit mathChannelParametersChanged(m_mathChannelParameters);
            });
    connect(m_mathChannelControls.settingsButton, &QToolButton::clicked, this,
            [this] { openChannelSettings(int(m_channelControls.size())); });
}

std::pair<double, double> DigitalOscilloscopeWidget::scaleSpan(int channel) const
{
    const std::size_t row = std::size_t(std::clamp(channel, 0, channelCount - 1));
    const int index = row < m_voltDivisionIndexes.size() ? m_voltDivisionIndexes[row]
                                                         : defaultVoltDivisionIndex;
    const double half = verticalDivisions[std::size_t(clampedVoltIndex(index))]
            * m_gridDivision.verticalMajor * 0.5;
    return {-half, half};
}

void DigitalOscilloscopeWidget::showTriggerLevel(
        const DigitalOscilloscopeTriggerParameters &parameters)
{
    if (parameters.mode == DigitalOscilloscopeInterval)
        emit m_plotArea->triggerLevel1EnabledChanged(false);
    else
        emit m_plotArea->triggerLevel1Changed(parameters.level1);
}

void DigitalOscilloscopeWidget::takeMarkerOffset(int channel, double value)
{
    // A non-finite offset never becomes a record: it would bounce between the panel and the
    // strip for ever.
    if (!std::isfinite(value))
        return;
    if (isAnalogChannel(channel)) {
        DigitalOscilloscopeChannelParameters &record = m_channelParameters[std::size_t(channel)];
        if (value == record.offset)
            return;
        record.offset = value;
        emit channelParametersChanged(record);
    } else if (channel == int(m_channelControls.size())) {
        if (value == m_mathChannelParameters.offset)
            return;
        m_mathChannelParameters.offset = value;
        emit mathChannelParametersChanged(m_mathChannelParameters);
    }
}

void DigitalOscilloscopeWidget::setPlotArea()
{
    m_plotArea = new PlotArea(m_plot, ui->centerFrame);
    ui->verticalLayout->addWidget(m_plotArea);

    const auto emitTriggerScale = [this](int channel) {
        const auto [minimum, maximum] = scaleSpan(channel);
        emit m_plotArea->triggerScaleChanged(minimum, maximum);
    };
    emitTriggerScale(triggerSourceChannel());
    connect(this, &DigitalOscilloscopeWidget::plotVDivisionChanged, this,
            [this, emitTriggerScale](int channel, double) {
                if (channel == triggerSourceChannel())
                    emitTriggerScale(channel);
            });
    showTriggerLevel(m_triggerParameters);
    connect(this, &DigitalOscilloscopeWidget::triggerParametersChanged, this,
            &DigitalOscilloscopeWidget::showTriggerLevel);
    connect(m_plotArea, &PlotArea::triggerLevel1Changed, m_triggerSettings,
            &TriggerPanelSettingsWidget::setTriggerLevel1);
    connect(this, &DigitalOscilloscopeWidget::channelParametersChanged, this,
            [this](const DigitalOscilloscopeChannelParameters &parameters) {
                if (parameters.channel != triggerSourceChannel())
                    return;
                if (const std::optional<double> range = channelRange(parameters.channel))
                    emit m_plotArea->triggerRangeChanged(-*range, *range);
            });
    connect(this, &DigitalOscilloscopeWidget::triggerParametersChanged, this,
            [this, emitTriggerScale](const DigitalOscilloscopeTriggerParameters &) {
                const int source = triggerSourceChannel();
                const std::optional<double> range = channelRange(source);
                if (!range)
                    return;
                emit m_plotArea->triggerRangeChanged(-*range, *range);
                emitTriggerScale(source);
            });
    connect(this, &DigitalOscilloscopeWidget::prehistoryChanged, m_plotArea,
            &PlotArea::pretimeChanged);
    connect(m_plotArea, &PlotArea::pretimeChanged, this, &DigitalOscilloscopeWidget::setPrehistory);
    connect(m_plotArea, &PlotArea::validatePretimeValue, this,
            [this] { emit m_plotArea->pretimeChanged(ui->prehistorySpinBox->value()); });
    connect(this, &DigitalOscilloscopeWidget::offsetChanged, m_plotArea, &PlotArea::offsetChanged);
    for (int channel = 0; channel <= int(m_channelParameters.size()); ++channel) {
        const auto [minimum, maximum] = scaleSpan(channel);
        emit m_plotArea->offsetScaleChanged(channel, minimum, maximum);
    }
    for (std::size_t i = 0; i < m_channelParameters.size(); ++i)
        emit m_plotArea->offsetChanged(int(i), m_channelParameters[i].offset);
    emit m_plotArea->offsetChanged(int(m_channelParameters.size()), m_mathChannelParameters.offset);
    connect(this, &DigitalOscilloscopeWidget::plotVDivisionChanged, this,
            [this](int channel, double) {
                const auto [minimum, maximum] = scaleSpan(channel);
                emit m_plotArea->offsetScaleChanged(channel, minimum, maximum);
            });
    connect(m_plotArea, &PlotArea::offsetChanged, this,
            &DigitalOscilloscopeWidget::takeMarkerOffset);
    connect(ui->cursorSettingsToolButton, &QToolButton::clicked, m_plotArea,
            &PlotArea::openCursorsSettings);
    if (auto *layout = qobject_cast<QBoxLayout *>(ui->functionsFrame->layout()))
        layout->insertWidget(1, m_plotArea->cursorsEvaluationWidget());
}
