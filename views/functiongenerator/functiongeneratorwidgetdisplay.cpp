// The setters that show the resource's state, and the helpers that choose pages and keep the
// amplitude slider in step. Every setter that shows outside state blocks the panel's signals,
// so nothing shown here goes back out as a request.

#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorpanelrules.h"
#include "views/functiongenerator/functiongeneratorpreview.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui/viewbase/qdoublespinboxandratiowrapper.h"

#include "ui_functiongeneratorwidget.h"

#include <QDataWidgetMapper>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>

namespace {

// Range first, so that the value is clamped and rounded as the control will show it.
template<typename Control>
void fill(Control *control, double value, const FunctionGeneratorValueLimits &limits)
{
    control->setRange(limits.min, limits.max);
    control->setDecimals(limits.decimals);
    control->setSingleStep(limits.step);
    control->setValue(value);
}

template<typename Control>
void fill(Control *control, const FunctionGeneratorLimitedValue &limited)
{
    fill(control, limited.value, limited.limits);
}

// Selects a row of a list, or none for -1. A value the list does not hold is shown as none,
// never as a row the user did not choose: the output handler then keeps the stored value. The
// mapper has no way back to "no row" but a change of model.
void showRow(QDataWidgetMapper *mapper, QLabel *label, int row)
{
    if (row >= 0) {
        mapper->setCurrentIndex(row);
        return;
    }
    QAbstractItemModel *model = mapper->model();
    QStandardItemModel none;
    mapper->setModel(&none);
    mapper->setModel(model);
    mapper->addMapping(label, 0, "text");
    label->clear();
}

// The row of a list whose number equals value; the last such row, -1 when none.
int rowOfValue(const QStandardItemModel *model, unsigned int value)
{
    int found = -1;
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data(functionGeneratorValueRole).toUInt() == value)
            found = row;
    return found;
}

} // namespace

void FunctionGeneratorWidget::setChannelsCount(unsigned int count)
{
    if (count == d->channelOptions.size())
        return;
    ui->channelMultiSwitch->setSwitchCount(int(count));
    QStringList labels;
    for (unsigned int i = 1; i <= count; ++i)
        labels << tr("Channel %1").arg(i);
    ui->channelMultiSwitch->setSwitchLabels(labels);

    d->channelOptions.resize(count);

    // The form has a check box for each of two channels; a channel beyond them has none.
    const std::size_t boxes = d->channelCheckBoxes.size();
    for (std::size_t i = 0; i < boxes; ++i)
        d->channelCheckBoxes[i]->setVisible(i < count);
    for (unsigned int i = unsigned(ui->plotWidget->curveCount()); i < count; ++i)
        d->curves.push_back(ui->plotWidget->addCurve(functionGeneratorCurveTitle(i)));

    setChannelColors(functionGeneratorChannelColorsLight);
    setCurvesZOrder();
}

void FunctionGeneratorWidget::setSupportedFunctions(
        const std::set<FunctionGeneratorStandardFunction> &functions)
{
    const QSignalBlocker panelBlock(this);
    for (QAbstractButton *button : ui->functionsButtonGroup->buttons()) {
        const auto function =
                FunctionGeneratorStandardFunction(ui->functionsButtonGroup->id(button));
        button->setVisible(functions.count(function) > 0);
    }
}

void FunctionGeneratorWidget::setSupportedRanges(const std::set<unsigned int> &ranges)
{
    const QSignalBlocker panelBlock(this);
    const QSignalBlocker mapperBlock(d->rangeMapper);
    d->rangeModel->removeRows(0, d->rangeModel->rowCount());
    int currentRow = -1;
    for (unsigned int range : ranges) {
        auto *item = new QStandardItem(functionGeneratorRangeText(range));
        item->setData(range, functionGeneratorValueRole);
        d->rangeModel->appendRow(item);
        if (d->current() && d->current()->outputOptions.range == range)
            currentRow = d->rangeModel->rowCount() - 1;
    }
    showRow(d->rangeMapper, ui->rangeValueLabel, currentRow);

    const int reach = int(functionGeneratorRangeReach(ranges));
    ui->plotWidget->setAxisScale(QwtPlot::yLeft, -reach, reach, 0);
    ui->amplitudeRangeSlider->setMaximum(reach);
    ui->amplitudeRangeSlider->setMinimum(-reach);
}

void FunctionGeneratorWidget::setSupportedImpedance(const std::vector<double> &values)
{
    const QSignalBlocker panelBlock(this);
    QList<double> sorted(values.begin(), values.end());
    std::sort(sorted.begin(), sorted.end());
    d->impedanceModel->setCustomValues(sorted);
    if (const FunctionGeneratorChannelOptions *current = d->current())
        setImpedanceValue(current->outputOptions.impedance);
    else
        setImpedanceValue(qQNaN());
    updateImpedanceValueLabelWidth();
}

void FunctionGeneratorWidget::setChannelEnable(int channel, bool enable)
{
    const QSignalBlocker panelBlock(this);
    if (channel < 0 || !d->hasChannel(std::size_t(channel)))
        return;
    d->channelOptions[std::size_t(channel)].enable = enable;
    if (std::size_t(channel) < d->channelCheckBoxes.size())
        d->channelCheckBoxes[std::size_t(channel)]->setCheckState(enable ? Qt::Checked
                                                                         : Qt::Unchecked);
    displayFunction(unsigned(channel));
}

void FunctionGeneratorWidget::setStandardFunction(unsigned int channel,
                                                  FunctionGeneratorStandardFunction function)
{
    const QSignalBlocker panelBlock(this);
    const QSignalBlocker groupBlock(ui->functionsButtonGroup);
    if (!d->hasChannel(channel))
        return;
    d->channelOptions[channel].standardFunction = function;
    if (channel != d->currentChannel) {
        displayFunction(channel);
        return;
    }
    if (QAbstractButton *button = ui->functionsButtonGroup->button(int(function)))
        button->setChecked(true);
    updateFunctionOptionsPage();
    updateModulationOptionsPage();
}

void FunctionGeneratorWidget::setStandardFunctionOptions(
        unsigned int channel, const FunctionGeneratorStartardFunctionOptions &options)
{
    const QSignalBlocker panelBlock(this);
    if (!d->hasChannel(channel))
        return;
    FunctionGeneratorChannelOptions &record = d->channelOptions[channel];
    record.standardFunctionOptions = options;
    if (channel != d->currentChannel) {
        displayFunction(channel);
        return;
    }

    const FunctionGeneratorCommonValues common =
            functionGeneratorCommonValues(options, ui->functionsButtonGroup->checkedId());
    {
        const QSignalBlocker amplitudeBlock(ui->amplitudeDoubleSpinBox);
        const QSignalBlocker sliderBlock(ui->amplitudeRangeSlider);
        const QSignalBlocker frequencyBlock(d->frequencyWrapper);
        const QSignalBlocker phaseBlock(ui->sinePhaseDoubleSpinBox);
        const QSignalBlocker dutyCycleBlock(ui->dutyCycleDoubleSpinBox);
        const QSignalBlocker symmetryBlock(ui->triangularSymmetryDoubleSpinBox);

        fill(ui->amplitudeDoubleSpinBox, common.amplitude);
        // The step first: the handles keep their step positions when the step changes, so
        // placed before it they would end up at other values.
        ui->amplitudeRangeSlider->setPrecission(
                functionGeneratorSliderPrecision(common.amplitude.limits.decimals));
        const double offset = record.outputOptions.offset;
        const double half = common.amplitude.value / 2.0;
        ui->amplitudeRangeSlider->setSpanValue(offset - half, offset + half);
        fill(d->frequencyWrapper, common.frequency);
        fill(ui->sinePhaseDoubleSpinBox, options.sineOptions.phase,
             options.sineOptions.phase_limits);
        fill(ui->dutyCycleDoubleSpinBox, options.rectangularOptions.duty_cycle,
             options.rectangularOptions.duty_cycle_limits);
        fill(ui->triangularSymmetryDoubleSpinBox, options.triangluarOptions.symmetry,
             options.triangluarOptions.symmetry_limits);
    }
    // A value mirrored from the miniature is drawn at once.
    displayAll();
}

void FunctionGeneratorWidget::setOutputOptions(unsigned int channel,
                                               const FunctionGeneratorOutputOptions &options)
{
    const QSignalBlocker panelBlock(this);
    if (!d->hasChannel(channel))
        return;
    d->channelOptions[channel].outputOptions = options;
    // One sampling frequency serves every channel.
    for (FunctionGeneratorChannelOptions &record : d->channelOptions)
        record.outputOptions.sampling_frequency = options.sampling_frequency;
    if (channel != d->currentChannel) {
        displayFunction(channel);
        return;
    }
    {
        setImpedanceValue(options.impedance);
        const QSignalBlocker sampleRateBlock(d->sampleRateMapper);
        showRow(d->sampleRateMapper, ui->samplingValueLabel,
                rowOfValue(d->sampleRateModel, options.sampling_frequency));
        const QSignalBlocker offsetBlock(ui->dcOffsetDoubleSpinBox);
        const QSignalBlocker awgOffsetBlock(ui->awgDCOffsetDoubleSpinBox);
        fill(ui->dcOffsetDoubleSpinBox, options.offset, options.offset_limits);
        fill(ui->awgDCOffsetDoubleSpinBox, options.offset, options.offset_limits);
        const QSignalBlocker rangeBlock(d->rangeMapper);
        showRow(d->rangeMapper, ui->rangeValueLabel, rowOfValue(d->rangeModel, options.range));
        const QSignalBlocker sliderBlock(ui->amplitudeRangeSlider);
        const double half = ui->amplitudeDoubleSpinBox->value() / 2.0;
        ui->amplitudeRangeSlider->setSpanValue(options.offset - half, options.offset + half);
    }
    // A value mirrored from the miniature is drawn at once.
    displayAll();
}

void FunctionGeneratorWidget::setModulationOptions(
        unsigned int channel, const FunctionGeneratorModulationOptions &options)
{
    const QSignalBlocker panelBlock(this);
    if (!d->hasChannel(channel))
        return;
    d->channelOptions[channel].modulationOptions = options;
    if (channel != d->currentChannel) {
        displayFunction(channel);
        return;
    }
    const QSignalBlocker groupBlock(ui->modulationButtonGroup);
    const QSignalBlocker frequencyBlock(d->modulatingFrequencyWrapper);
    const QSignalBlocker indexBlock(ui->modulationIndexDoubleSpinBox);
    const QSignalBlocker deviationBlock(d->frequencyDeviationWrapper);
    const QSignalBlocker phaseBlock(ui->phaseDeviationDoubleSpinBox);
    if (QAbstractButton *button = ui->modulationButtonGroup->button(int(options.type)))
        button->setChecked(true);
    fill(d->modulatingFrequencyWrapper, options.frequency, options.frequency_limits);
    fill(ui->modulationIndexDoubleSpinBox, options.modulation_index,
         options.modulation_index_limits);
    fill(d->frequencyDeviationWrapper, options.frequency_deviation,
         options.frequency_deviation_limits);
    fill(ui->phaseDeviationDoubleSpinBox, options.phase_deviation, options.phase_deviation_limits);
    updateModulationOptionsPage();
}

void FunctionGeneratorWidget::setTriggerOptions(const FunctionGeneratorTriggerOptions &options)
{
    const QSignalBlocker panelBlock(this);
    d->triggerOptions = options;
    ui->triggerTypeComboBox->setCurrentIndex(functionGeneratorTriggerIndex(options.type));
    fill(ui->delayDoubleSpinBox, options.delay, options.delay_limits);
    // The record keeps what the controls show, also where filling changed no control.
    processChangesOfTriggerOptions();
}

void FunctionGeneratorWidget::setMode(FunctionGeneratorMode mode)
{
    const QSignalBlocker panelBlock(this);
    d->mode = mode;
    updateModePage();
    updateChannelsState();
    updateModulationOptionsPage();
    displayAll();
}

void FunctionGeneratorWidget::displayStartMode(FunctionGeneratorStartType startType)
{
    const std::pair<QToolButton *, FunctionGeneratorStartType> buttons[] = {
            {ui->immediateStartButton, FunctionGeneratorStartType::Immediate},
            {ui->delayedStartButton, FunctionGeneratorStartType::Delayed},
            {ui->triggerStartButton, FunctionGeneratorStartType::Trigger}};
    for (const auto &[button, type] : buttons) {
        button->setDown(false);
        button->setChecked(type == startType);
    }
}

void FunctionGeneratorWidget::displayStopMode()
{
    for (QToolButton *button :
         {ui->immediateStartButton, ui->delayedStartButton, ui->triggerStartButton}) {
        button->setDown(false);
        button->setChecked(false);
    }
    ui->stopButton->setDown(false);
}

void FunctionGeneratorWidget::updateFunctionOptionsPage()
{
    ui->modeStackedWidget->setCurrentIndex(0);
    ui->awgToolButton->setChecked(false);
    const int id = ui->functionsButtonGroup->checkedId();
    if (id >= 0 && id < ui->functionsOptionsWidget->count())
        ui->functionsOptionsWidget->setCurrentIndex(id);
    const bool adjustable = id != int(FunctionGeneratorStandardFunction::Level);
    ui->frequencyDoubleSpinBox->setEnabled(adjustable);
    ui->frequencyUnitsComboBox->setEnabled(adjustable);
    ui->amplitudeDoubleSpinBox->setEnabled(adjustable);
    if (const FunctionGeneratorChannelOptions *current = d->current())
        setStandardFunctionOptions(d->currentChannel, current->standardFunctionOptions);
    ui->amplitudeRangeSlider->setDisplayMode(adjustable ? RangeSlider::HandlesMode
                                                        : RangeSlider::SpanMode);
}

void FunctionGeneratorWidget::setFunctionMode(int id)
{
    {
        const QSignalBlocker groupBlock(ui->functionsButtonGroup);
        for (QAbstractButton *button : ui->functionsButtonGroup->buttons()) {
            button->setDown(false);
            button->setChecked(false);
        }
        {
            const QSignalBlocker awgBlock(ui->awgToolButton);
            ui->awgToolButton->setDown(false);
            ui->awgToolButton->setChecked(false);
        }
        if (QAbstractButton *button = ui->functionsButtonGroup->button(id))
            button->setChecked(true);
    }
    updateFunctionOptionsPage();
    updateModulationOptionsPage();
}

void FunctionGeneratorWidget::updateModulationOptionsPage()
{
    ui->modulationFrame->setVisible(
            functionGeneratorModulationShown(ui->functionsButtonGroup->checkedId(), d->mode));
    const int modulationId = ui->modulationButtonGroup->checkedId();
    ui->modulationOptionsWidget->setVisible(modulationId != 0);
    const int page = functionGeneratorModulationPage(modulationId);
    if (page >= 0)
        ui->modulationOptionsStackedWidget->setCurrentIndex(page);
}

void FunctionGeneratorWidget::updateModePage()
{
    const bool waveform = d->mode == FunctionGeneratorMode::ArbitraryWaveform;
    ui->modeStackedWidget->setCurrentIndex(waveform ? 1 : 0);
    // The waveform page shows the current channel's file and signal, whatever it showed last.
    if (waveform)
        showCurrentWaveform();
    {
        const QSignalBlocker groupBlock(ui->functionsButtonGroup);
        const QSignalBlocker awgBlock(ui->awgToolButton);
        if (const FunctionGeneratorChannelOptions *current = d->current())
            if (QAbstractButton *button =
                        ui->functionsButtonGroup->button(int(current->standardFunction)))
                button->setChecked(!waveform);
        ui->invisibleToolButton->setChecked(waveform);
        ui->awgToolButton->setChecked(waveform);
        const bool level = ui->functionsButtonGroup->checkedId()
                == int(FunctionGeneratorStandardFunction::Level);
        ui->amplitudeRangeSlider->setDisplayMode(level || waveform ? RangeSlider::SpanMode
                                                                   : RangeSlider::HandlesMode);
    }
}

void FunctionGeneratorWidget::updateAmplitudeSlider()
{
    const QSignalBlocker sliderBlock(ui->amplitudeRangeSlider);
    const double half = ui->amplitudeDoubleSpinBox->value() * 0.5;
    const FunctionGeneratorChannelOptions *current = d->current();
    const double offset = current ? current->outputOptions.offset : 0.0;
    RangeSlider *slider = ui->amplitudeRangeSlider;
    const double lower = functionGeneratorHandleTarget(slider->lowerValue(), offset - half);
    const double upper = functionGeneratorHandleTarget(slider->upperValue(), offset + half);
    slider->setSpanValue(lower, upper);
}

void FunctionGeneratorWidget::setImpedanceValue(double value)
{
    const QSignalBlocker mapperBlock(d->impedanceMapper);
    showRow(d->impedanceMapper, ui->impedanceValueLabel, d->impedanceModel->rowByValue(value));
}

void FunctionGeneratorWidget::updateImpedanceValueLabelWidth()
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int row = 0; row < d->impedanceModel->rowCount(); ++row)
        widest = std::max(
                widest,
                metrics.horizontalAdvance(d->impedanceModel->index(row, 0).data().toString()));
    const QMargins margins = ui->impedanceValueLabel->contentsMargins();
    ui->impedanceValueLabel->setMinimumWidth(widest + margins.left() + margins.right());
}

void FunctionGeneratorWidget::recalcOptionSizes()
{
    ui->commonFunctionsOptionsFrame->layout()->update();
    const int width = ui->frequencyUnitsComboBox->width();
    for (int page = 0; page < ui->functionsOptionsWidget->count(); ++page) {
        if (auto *grid = qobject_cast<QGridLayout *>(
                    ui->functionsOptionsWidget->widget(page)->layout())) {
            grid->setColumnMinimumWidth(1, width);
            grid->update();
        }
    }
    ui->commonFunctionsOptionsFrame->layout()->update();
}

void FunctionGeneratorWidget::displayAll()
{
    calculateTime();
    for (int i = 0; i < ui->plotWidget->curveCount(); ++i)
        displayFunction(unsigned(i));
}

int FunctionGeneratorWidget::standardFunction() const
{
    return ui->functionsButtonGroup->checkedId();
}

double FunctionGeneratorWidget::validateValue(const FunctionGeneratorValueLimits &range,
                                              double value) const
{
    return functionGeneratorClamp(range, value);
}
