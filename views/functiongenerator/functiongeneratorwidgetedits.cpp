// The user's edits: each reads its controls, writes the current channel's record (or the
// panel-wide trigger options or mode), redraws the preview and emits one request that carries
// the whole record.

#include "views/functiongenerator/functiongeneratorawgdatalistmodel.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorpanelrules.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui/viewbase/qdoublespinboxandratiowrapper.h"

#include "ui_functiongeneratorwidget.h"

#include <QDataWidgetMapper>
#include <QSignalBlocker>
#include <QSignalMapper>
#include <QStandardItemModel>

namespace {

// The number behind the mapper's current row; nothing when no row is current.
bool currentNumber(const QDataWidgetMapper *mapper, const QStandardItemModel *model,
                   unsigned int &number)
{
    const int row = mapper->currentIndex();
    if (row < 0 || row >= model->rowCount())
        return false;
    number = model->index(row, 0).data(functionGeneratorValueRole).toUInt();
    return true;
}

} // namespace

// Keeps the panel consistent with itself; requests nothing.
void FunctionGeneratorWidget::processInternalChanges()
{
    connect(ui->functionsButtonGroup, &QButtonGroup::idPressed, this,
            &FunctionGeneratorWidget::setFunctionMode);
    connect(ui->modulationButtonGroup, &QButtonGroup::idClicked, this,
            &FunctionGeneratorWidget::updateModulationOptionsPage);
    connect(ui->rangeLeftArrow, &QToolButton::clicked, d->rangeMapper,
            &QDataWidgetMapper::toPrevious);
    connect(ui->rangeRightArrow, &QToolButton::clicked, d->rangeMapper, &QDataWidgetMapper::toNext);
    connect(ui->impedanceLeftArrow, &QToolButton::clicked, d->impedanceMapper,
            &QDataWidgetMapper::toPrevious);
    connect(ui->impedanceRightArrow, &QToolButton::clicked, d->impedanceMapper,
            &QDataWidgetMapper::toNext);
    connect(ui->samplingLeftArrow, &QToolButton::clicked, d->sampleRateMapper,
            &QDataWidgetMapper::toPrevious);
    connect(ui->samplingRightArrow, &QToolButton::clicked, d->sampleRateMapper,
            &QDataWidgetMapper::toNext);
    connect(ui->modulatingFrequencyLeftArrow, &QToolButton::clicked,
            ui->modulatingFrequencyDoubleSpinBox, &QDoubleSpinBox::stepDown);
    connect(ui->modulatingFrequencyRightArrow, &QToolButton::clicked,
            ui->modulatingFrequencyDoubleSpinBox, &QDoubleSpinBox::stepUp);
    connect(ui->frequencyDeviationLeftArrow, &QToolButton::clicked,
            ui->frequencyDeviationDoubleSpinBox, &QDoubleSpinBox::stepDown);
    connect(ui->frequencyDeviationRightArrow, &QToolButton::clicked,
            ui->frequencyDeviationDoubleSpinBox, &QDoubleSpinBox::stepUp);
    connect(ui->amplitudeDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &FunctionGeneratorWidget::updateAmplitudeSlider);
    connect(ui->amplitudeRangeSlider, &RangeSlider::spanChanged, this,
            &FunctionGeneratorWidget::processChangesOfAmplitudeSlider);
}

// Receivers of one signal run in the order they are connected here, after those of
// processInternalChanges: a function press checks the button, requests the function, stores
// it and then switches to standard functions.
void FunctionGeneratorWidget::connectUserInteractionToSignals()
{
    auto *functions = ui->functionsButtonGroup;
    connect(functions, &QButtonGroup::idPressed, [this](int id) {
        emit standardFunctionChanged(d->currentChannel, FunctionGeneratorStandardFunction(id));
    });
    connect(functions, &QButtonGroup::idPressed, this,
            &FunctionGeneratorWidget::processChangesOfStandardFunction);
    connect(functions, &QButtonGroup::idPressed,
            [this] { switchMode(FunctionGeneratorMode::StandardFunctions); });
    connect(ui->awgToolButton, &QToolButton::clicked,
            [this] { switchMode(FunctionGeneratorMode::ArbitraryWaveform); });
    connect(ui->awgToolButton, &QToolButton::pressed, [this] {
        {
            const QSignalBlocker groupBlock(ui->functionsButtonGroup);
            for (QAbstractButton *button : ui->functionsButtonGroup->buttons()) {
                button->setDown(false);
                button->setChecked(false);
            }
            const QSignalBlocker awgBlock(ui->awgToolButton);
            ui->awgToolButton->setDown(false);
            ui->awgToolButton->setChecked(true);
        }
        switchMode(FunctionGeneratorMode::ArbitraryWaveform);
    });

    const auto functionOptions = &FunctionGeneratorWidget::processChangesOfFunctionOptions;
    connect(d->frequencyWrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged, this,
            functionOptions);
    for (QDoubleSpinBox *box : {ui->amplitudeDoubleSpinBox, ui->sinePhaseDoubleSpinBox,
                                ui->dutyCycleDoubleSpinBox, ui->triangularSymmetryDoubleSpinBox})
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, functionOptions);

    connect(ui->immediateStartButton, &QToolButton::pressed, this,
            &FunctionGeneratorWidget::immediateStartButtonHandler);
    connect(ui->delayedStartButton, &QToolButton::pressed, this,
            &FunctionGeneratorWidget::delayedStartButtonHandler);
    connect(ui->triggerStartButton, &QToolButton::pressed, this,
            &FunctionGeneratorWidget::triggerStartButtonHandler);
    connect(ui->stopButton, &QToolButton::pressed, this,
            &FunctionGeneratorWidget::stopButtonClickHandler);

    const auto outputOptions = &FunctionGeneratorWidget::processChangesOfOutputOptions;
    for (QDataWidgetMapper *mapper : {d->sampleRateMapper, d->rangeMapper, d->impedanceMapper})
        connect(mapper, &QDataWidgetMapper::currentIndexChanged, this, outputOptions);
    for (QDoubleSpinBox *box : {ui->dcOffsetDoubleSpinBox, ui->awgDCOffsetDoubleSpinBox})
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, outputOptions);

    connect(ui->triggerTypeComboBox, &QComboBox::currentTextChanged, this,
            &FunctionGeneratorWidget::processChangesOfTriggerOptions);
    connect(ui->delayDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &FunctionGeneratorWidget::processChangesOfTriggerOptions);
    connect(ui->forceButton, &QPushButton::clicked, this,
            &FunctionGeneratorWidget::forceTriggerRequested);

    const auto modulationOptions = &FunctionGeneratorWidget::processChangesOfModulationOptions;
    connect(ui->modulationButtonGroup, &QButtonGroup::idClicked, this, modulationOptions);
    connect(d->modulatingFrequencyWrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged, this,
            modulationOptions);
    connect(d->frequencyDeviationWrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged, this,
            modulationOptions);
    for (QDoubleSpinBox *box : {ui->modulationIndexDoubleSpinBox, ui->phaseDeviationDoubleSpinBox})
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, modulationOptions);

    connect(d->channelsSignalMapper, &QSignalMapper::mappedInt, this,
            &FunctionGeneratorWidget::proceesChangesOfChannelEnable);
    connect(ui->channelMultiSwitch, &VekMultiSwitch::stateChanged, this,
            &FunctionGeneratorWidget::processChangesOfCurrentChannel);
    connect(ui->loadAWGDataPushButton, &QPushButton::clicked, this,
            &FunctionGeneratorWidget::browseAWGData);
    connect(ui->awgDataFileComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &FunctionGeneratorWidget::processChangesOfAwgDataFile);
    connect(ui->awgDataChannelComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &FunctionGeneratorWidget::processChangesOfAwgDataChannel);
}

void FunctionGeneratorWidget::switchMode(FunctionGeneratorMode mode)
{
    {
        const QSignalBlocker panelBlock(this);
        d->mode = mode;
        updateModePage();
        updateChannelsState();
        updateModulationOptionsPage();
        displayAll();
    }
    emit modeChanged(mode);
}

void FunctionGeneratorWidget::processChangesOfMode(FunctionGeneratorMode mode)
{
    switchMode(mode);
}

void FunctionGeneratorWidget::processChangesOfStandardFunction()
{
    FunctionGeneratorChannelOptions *current = d->current();
    if (!current)
        return;
    current->standardFunction =
            FunctionGeneratorStandardFunction(ui->functionsButtonGroup->checkedId());
    displayFunction(d->currentChannel);
}

void FunctionGeneratorWidget::processChangesOfFunctionOptions()
{
    FunctionGeneratorChannelOptions *current = d->current();
    if (!current)
        return;
    const double amplitude = ui->amplitudeDoubleSpinBox->value();
    const double frequency = d->frequencyWrapper->value();
    FunctionGeneratorStartardFunctionOptions &o = current->standardFunctionOptions;
    const double oldFrequency = o.sineOptions.frequency;

    // One entered frequency may be stored differently in each block, as each has its limits.
    auto store = [this, amplitude, frequency](auto &block) {
        block.double_amplitude = amplitude;
        block.frequency = validateValue(block.frequency_limits, frequency);
    };
    store(o.sineOptions);
    store(o.squareOptions);
    store(o.rectangularOptions);
    store(o.triangluarOptions);
    store(o.positiveRampOptions);
    store(o.negativeRampOptions);
    o.sineOptions.phase = ui->sinePhaseDoubleSpinBox->value();
    o.rectangularOptions.duty_cycle = ui->dutyCycleDoubleSpinBox->value();
    o.triangluarOptions.symmetry = ui->triangularSymmetryDoubleSpinBox->value();

    // The time span follows the frequency.
    if (frequency == oldFrequency)
        displayFunction(d->currentChannel);
    else
        displayAll();
    emit standardFuntionOptionsChanged(d->currentChannel, o);
}

void FunctionGeneratorWidget::processChangesOfOutputOptions()
{
    FunctionGeneratorChannelOptions *current = d->current();
    if (!current)
        return;
    FunctionGeneratorOutputOptions &output = current->outputOptions;
    // A list without a current row keeps what is stored.
    unsigned int sampleRate = 0;
    if (currentNumber(d->sampleRateMapper, d->sampleRateModel, sampleRate))
        for (FunctionGeneratorChannelOptions &record : d->channelOptions)
            record.outputOptions.sampling_frequency = sampleRate;
    const int impedanceRow = d->impedanceMapper->currentIndex();
    if (impedanceRow >= 0 && impedanceRow < d->impedanceModel->rowCount())
        output.impedance = d->impedanceModel->value(impedanceRow);
    currentNumber(d->rangeMapper, d->rangeModel, output.range);
    output.offset = d->mode == FunctionGeneratorMode::StandardFunctions
            ? ui->dcOffsetDoubleSpinBox->value()
            : ui->awgDCOffsetDoubleSpinBox->value();

    updateAmplitudeSlider();
    displayAll();
    emit outputOptionsChanged(d->currentChannel, output);
}

void FunctionGeneratorWidget::processChangesOfTriggerOptions()
{
    // A list being refilled has no current entry; that is no choice of the user's.
    const int type = functionGeneratorTriggerType(ui->triggerTypeComboBox->currentIndex());
    if (type < 0)
        return;
    d->triggerOptions.type = type;
    d->triggerOptions.delay = ui->delayDoubleSpinBox->value();
    emit triggerOptionsChanged(d->triggerOptions);
}

void FunctionGeneratorWidget::processChangesOfModulationOptions()
{
    FunctionGeneratorChannelOptions *current = d->current();
    if (!current)
        return;
    FunctionGeneratorModulationOptions &m = current->modulationOptions;
    m.type = FunctionGeneratorModulationType(ui->modulationButtonGroup->checkedId());
    m.frequency = d->modulatingFrequencyWrapper->value();
    m.modulation_index = ui->modulationIndexDoubleSpinBox->value();
    m.frequency_deviation = d->frequencyDeviationWrapper->value();
    m.phase_deviation = ui->phaseDeviationDoubleSpinBox->value();
    displayFunction(d->currentChannel);
    emit modulationOptionsChanged(d->currentChannel, m);
}

void FunctionGeneratorWidget::proceesChangesOfChannelEnable(size_t channel)
{
    if (!d->hasChannel(channel) || channel >= d->channelCheckBoxes.size())
        return;
    const bool enable = d->channelCheckBoxes[channel]->checkState() == Qt::Checked;
    d->channelOptions[channel].enable = enable;
    displayAll();
    emit channelEnableChanged(channel, enable);
}

void FunctionGeneratorWidget::processChangesOfCurrentChannel(int channel)
{
    if (channel < 0 || !d->hasChannel(std::size_t(channel)))
        return;
    d->currentChannel = std::uint32_t(channel);
    const FunctionGeneratorChannelOptions record = d->channelOptions[d->currentChannel];
    if (d->mode == FunctionGeneratorMode::StandardFunctions) {
        setStandardFunction(d->currentChannel, record.standardFunction);
        setStandardFunctionOptions(d->currentChannel, record.standardFunctionOptions);
        setModulationOptions(d->currentChannel, record.modulationOptions);
    } else {
        FunctionGeneratorAWGOptions &awg = d->channelOptions[d->currentChannel].awgOptions;
        if (!checkAWGOptions(awg)) {
            changeWaveformFile(awg, QString());
            awg.channel = 0;
        }
        const QSignalBlocker selectorBlock(ui->awgDataFileComboBox);
        showCurrentWaveformFile();
        setAwgSignalNames(d->awgDataModel->row(awg.file));
        ui->awgDataChannelComboBox->setCurrentIndex(int(awg.channel));
    }
    setOutputOptions(d->currentChannel, record.outputOptions);
    setCurvesZOrder();
    displayAll();
}

void FunctionGeneratorWidget::processChangesOfAmplitudeSlider()
{
    const double lower = ui->amplitudeRangeSlider->lowerValue();
    const double upper = ui->amplitudeRangeSlider->upperValue();
    const QSignalBlocker amplitudeBlock(ui->amplitudeDoubleSpinBox);
    const QSignalBlocker offsetBlock(ui->dcOffsetDoubleSpinBox);
    const QSignalBlocker awgOffsetBlock(ui->awgDCOffsetDoubleSpinBox);
    ui->amplitudeDoubleSpinBox->setValue(upper - lower);
    ui->dcOffsetDoubleSpinBox->setValue((lower + upper) * 0.5);
    ui->awgDCOffsetDoubleSpinBox->setValue((lower + upper) * 0.5);
    processChangesOfFunctionOptions();
    processChangesOfOutputOptions();
}

// The start buttons act on press and are released at once, so the release neither clicks
// nor toggles them.
void FunctionGeneratorWidget::immediateStartButtonHandler()
{
    displayStartMode(FunctionGeneratorStartType::Immediate);
    emit startRequested(FunctionGeneratorStartType::Immediate);
}

void FunctionGeneratorWidget::delayedStartButtonHandler()
{
    displayStartMode(FunctionGeneratorStartType::Delayed);
    emit startRequested(FunctionGeneratorStartType::Delayed);
}

void FunctionGeneratorWidget::triggerStartButtonHandler()
{
    displayStartMode(FunctionGeneratorStartType::Trigger);
    emit startRequested(FunctionGeneratorStartType::Trigger);
}

void FunctionGeneratorWidget::stopButtonClickHandler()
{
    displayStopMode();
    emit stopRequested();
}
