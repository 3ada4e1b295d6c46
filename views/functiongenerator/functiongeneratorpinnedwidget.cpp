#include "views/functiongenerator/functiongeneratorpinnedwidget.h"

#include "app/options.h"
#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/panelteardown.h"
#include "ui/viewbase/qdoublespinboxandratiowrapper.h"
#include "views/functiongenerator/functiongeneratorpanelrules.h"

#include "ui_functiongeneratorpinnedwidget.h"

#include <QGridLayout>
#include <QSignalBlocker>
#include <QSignalMapper>
#include <QStyle>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace {

const std::map<FunctionGeneratorStandardFunction, QString> icons = {
        {FunctionGeneratorStandardFunction::Level, QStringLiteral("standard_functions/level.svg")},
        {FunctionGeneratorStandardFunction::Sine, QStringLiteral("standard_functions/sine.svg")},
        {FunctionGeneratorStandardFunction::Square,
         QStringLiteral("standard_functions/square.svg")},
        {FunctionGeneratorStandardFunction::Rectangular,
         QStringLiteral("standard_functions/rectangular.svg")},
        {FunctionGeneratorStandardFunction::Triangular,
         QStringLiteral("standard_functions/triangular.svg")},
        {FunctionGeneratorStandardFunction::PositiveRamp,
         QStringLiteral("standard_functions/positive_ramp.svg")},
        {FunctionGeneratorStandardFunction::NegativeRamp,
         QStringLiteral("standard_functions/negative_ramp.svg")},
        {FunctionGeneratorStandardFunction::PRBS,
         QStringLiteral("standard_functions/pseudorandom_binary_sequence.svg")},
        {FunctionGeneratorStandardFunction::RampUp,
         QStringLiteral("standard_functions/ramp_up.svg")},
        {FunctionGeneratorStandardFunction::Pulse, QStringLiteral("standard_functions/pulse.svg")},
        {FunctionGeneratorStandardFunction::HaverSine,
         QStringLiteral("standard_functions/haversine.svg")},
        {FunctionGeneratorStandardFunction::UniformNoise,
         QStringLiteral("standard_functions/uniform_noise.svg")},
        {FunctionGeneratorStandardFunction::GaussianNoise,
         QStringLiteral("standard_functions/gaussian_noise.svg")},
};
const QString waveformIcon = QStringLiteral("standard_functions/awg.svg");
const QString powerIcon = QStringLiteral("control/power.svg");

constexpr int frequencyPage = 0;
constexpr int offsetPage = 1;
constexpr unsigned int channelRows = 2;

// The frequency a function shows; functions without one show a fixed 0.
FunctionGeneratorLimitedValue frequencyOf(const FunctionGeneratorChannelOptions &options)
{
    switch (options.standardFunction) {
    case FunctionGeneratorStandardFunction::Sine:
    case FunctionGeneratorStandardFunction::Square:
    case FunctionGeneratorStandardFunction::Rectangular:
    case FunctionGeneratorStandardFunction::Triangular:
    case FunctionGeneratorStandardFunction::PositiveRamp:
    case FunctionGeneratorStandardFunction::NegativeRamp:
        return functionGeneratorCommonValues(options.standardFunctionOptions,
                                             int(options.standardFunction))
                .frequency;
    default:
        return {};
    }
}

template<typename Control>
void fill(Control *control, double value, const FunctionGeneratorValueLimits &limits)
{
    control->setRange(limits.min, limits.max);
    control->setDecimals(limits.decimals);
    control->setSingleStep(limits.step);
    control->setValue(value);
}

} // namespace

struct FunctionGeneratorPinnedWidget::Internal
{
    std::array<QCheckBox *, channelRows> checkBoxes {};
    std::array<QDoubleSpinBox *, channelRows> frequencySpinBoxes {};
    std::array<QDoubleSpinBoxAndRatioWrapper *, channelRows> frequencyWrappers {};
    std::array<QLabel *, channelRows> functionLabels {};
    std::array<QStackedWidget *, channelRows> stackedWidgets {};
    std::array<QDoubleSpinBox *, channelRows> offsetSpinBoxes {};
    std::array<QComboBox *, channelRows> unitComboBoxes {};
    std::array<QLabel *, channelRows> offsetUnitLabels {};
    QSignalMapper *frequencyMapper = nullptr;
    QSignalMapper *offsetMapper = nullptr;
    QSignalMapper *enableMapper = nullptr;
    // Exactly one record per form row.
    std::vector<FunctionGeneratorChannelOptions> channelOptions;
    FunctionGeneratorMode mode = FunctionGeneratorMode::StandardFunctions;
    // The generator's channels; the rows at or above it stand for none.
    unsigned int channelCount = channelRows;

    bool hasChannel(std::size_t channel) const
    {
        return channel < channelRows && channel < channelCount;
    }
};

FunctionGeneratorPinnedWidget::FunctionGeneratorPinnedWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::FunctionGeneratorPinnedWidget>())
    , d(std::make_unique<Internal>())
{
    qRegisterMetaType<size_t>("size_t");
    ui->setupUi(this);
    d->frequencyWrappers = {
            new QDoubleSpinBoxAndRatioWrapper(ui->frequencyChannel1DoubleSpinBox,
                                              ui->frequencyChannel1UnitsComboBox, this),
            new QDoubleSpinBoxAndRatioWrapper(ui->frequencyChannel2DoubleSpinBox,
                                              ui->frequencyChannel2UnitsComboBox, this)};
    d->checkBoxes = {ui->channel1CheckBox, ui->channel2CheckBox};
    d->frequencySpinBoxes = {ui->frequencyChannel1DoubleSpinBox,
                             ui->frequencyChannel2DoubleSpinBox};
    d->functionLabels = {ui->functionChannel1Label, ui->functionChannel2Label};
    d->stackedWidgets = {ui->functionsChannel1StackedWidget, ui->functionsChannel2StackedWidget};
    d->offsetSpinBoxes = {ui->dcOffsetChannel1DoubleSpinBox, ui->dcOffsetChannel2DoubleSpinBox};
    d->unitComboBoxes = {ui->frequencyChannel1UnitsComboBox, ui->frequencyChannel2UnitsComboBox};
    d->offsetUnitLabels = {ui->dcOffsetUnitsChannel1Label, ui->dcOffsetChannel2UnitsLabel};
    d->frequencyMapper = new QSignalMapper(this);
    d->offsetMapper = new QSignalMapper(this);
    d->enableMapper = new QSignalMapper(this);
    d->channelOptions.resize(channelRows);
    connectUserInteractionToSignals();
    updateStyle();
}

FunctionGeneratorPinnedWidget::~FunctionGeneratorPinnedWidget()
{
    silenceForTeardown(this);
}

void FunctionGeneratorPinnedWidget::connectUserInteractionToSignals()
{
    connect(ui->controlToolButton, &QToolButton::clicked, [this](bool checked) {
        if (checked)
            emit startRequested(FunctionGeneratorStartType::Immediate);
        else
            emit stopRequested();
    });
    for (unsigned int channel = 0; channel < channelRows; ++channel) {
        QDoubleSpinBoxAndRatioWrapper *wrapper = d->frequencyWrappers[channel];
        connect(wrapper, &QDoubleSpinBoxAndRatioWrapper::valueChanged, d->frequencyMapper,
                qOverload<>(&QSignalMapper::map));
        d->frequencyMapper->setMapping(wrapper, int(channel));
        QDoubleSpinBox *offset = d->offsetSpinBoxes[channel];
        connect(offset, qOverload<double>(&QDoubleSpinBox::valueChanged), d->offsetMapper,
                qOverload<>(&QSignalMapper::map));
        d->offsetMapper->setMapping(offset, int(channel));
        QCheckBox *box = d->checkBoxes[channel];
        connect(box, &QCheckBox::clicked, d->enableMapper, qOverload<>(&QSignalMapper::map));
        d->enableMapper->setMapping(box, int(channel));
    }
    connect(d->frequencyMapper, &QSignalMapper::mappedInt, this,
            &FunctionGeneratorPinnedWidget::processChangesOfFunctionOptions);
    connect(d->offsetMapper, &QSignalMapper::mappedInt, this,
            &FunctionGeneratorPinnedWidget::processChangesOfOutputOptions);
    connect(d->enableMapper, &QSignalMapper::mappedInt, this,
            &FunctionGeneratorPinnedWidget::proceesChangesOfChannelEnable);
}

void FunctionGeneratorPinnedWidget::setChanelCount(unsigned int count)
{
    // The rows are the form's and keep their records; a row without a channel is hidden, so
    // nobody edits a channel the generator does not have.
    d->channelCount = count;
    for (unsigned int row = 0; row < channelRows; ++row) {
        const bool shown = d->hasChannel(row);
        d->checkBoxes[row]->setVisible(shown);
        d->functionLabels[row]->setVisible(shown);
        d->stackedWidgets[row]->setVisible(shown);
    }
    recalcAllColumns();
}

void FunctionGeneratorPinnedWidget::setMode(FunctionGeneratorMode mode)
{
    d->mode = mode;
    if (mode == FunctionGeneratorMode::ArbitraryWaveform) {
        for (unsigned int channel = 0; channel < channelRows; ++channel) {
            updateIcon(channel);
            d->stackedWidgets[channel]->setCurrentIndex(offsetPage);
        }
        return;
    }
    for (unsigned int channel = 0; channel < channelRows; ++channel)
        setStandardFunction(channel, d->channelOptions[channel].standardFunction);
}

void FunctionGeneratorPinnedWidget::setStandardFunction(unsigned int channel,
                                                        FunctionGeneratorStandardFunction function)
{
    const QSignalBlocker block(this);
    if (channel >= channelRows)
        return;
    d->channelOptions[channel].standardFunction = function;
    const QString name = icons.count(function) ? icons.at(function) : QString();
    const QString theme = currentThemeFolderName();
    QLabel *label = d->functionLabels[channel];
    label->setPixmap(createThemeIcon(theme, name).pixmap(label->size()));
    d->stackedWidgets[channel]->setCurrentIndex(
            function == FunctionGeneratorStandardFunction::Level ? offsetPage : frequencyPage);
    // The shown frequency belongs to the new function's block.
    showFrequency(channel);
    recalcAllColumns();
    if (layout())
        layout()->update();
}

void FunctionGeneratorPinnedWidget::setStandardFunctionOptions(
        unsigned int channel, const FunctionGeneratorStartardFunctionOptions &options)
{
    const QSignalBlocker block(this);
    if (channel >= channelRows)
        return;
    d->channelOptions[channel].standardFunctionOptions = options;
    showFrequency(channel);
    recalcValueColumn();
}

void FunctionGeneratorPinnedWidget::showFrequency(unsigned int channel)
{
    const FunctionGeneratorLimitedValue frequency = frequencyOf(d->channelOptions[channel]);
    const QSignalBlocker wrapperBlock(d->frequencyWrappers[channel]);
    fill(d->frequencyWrappers[channel], frequency.value, frequency.limits);
}

void FunctionGeneratorPinnedWidget::setOutputOptions(unsigned int channel,
                                                     const FunctionGeneratorOutputOptions &options)
{
    const QSignalBlocker block(this);
    if (channel >= channelRows)
        return;
    d->channelOptions[channel].outputOptions = options;
    // One sampling frequency serves every channel, as on the full panel.
    for (FunctionGeneratorChannelOptions &record : d->channelOptions)
        record.outputOptions.sampling_frequency = options.sampling_frequency;
    fill(d->offsetSpinBoxes[channel], options.offset, options.offset_limits);
}

void FunctionGeneratorPinnedWidget::setChannelEnable(unsigned int channel, bool enable)
{
    const QSignalBlocker block(this);
    if (channel >= channelRows)
        return;
    d->channelOptions[channel].enable = enable;
    d->checkBoxes[channel]->setChecked(enable);
}

void FunctionGeneratorPinnedWidget::displayStartMode(FunctionGeneratorStartType)
{
    ui->controlToolButton->setChecked(true);
}

void FunctionGeneratorPinnedWidget::displayStopMode()
{
    ui->controlToolButton->setChecked(false);
}

void FunctionGeneratorPinnedWidget::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible)
        recalcAllColumns();
}

void FunctionGeneratorPinnedWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The form reports its own changes while it is being built.
    if (!d->enableMapper)
        return;
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
    } else if (event->type() == QEvent::StyleChange) {
        updateStyle();
        if (layout())
            layout()->update();
    }
    recalcAllColumns();
}

void FunctionGeneratorPinnedWidget::processChangesOfFunctionOptions(int channel)
{
    if (channel < 0 || !d->hasChannel(std::size_t(channel)))
        return;
    const double frequency = d->frequencyWrappers[std::size_t(channel)]->value();
    FunctionGeneratorStartardFunctionOptions &o =
            d->channelOptions[std::size_t(channel)].standardFunctionOptions;
    // Each block keeps within its own limits, as on the full panel.
    auto store = [frequency](auto &block) {
        block.frequency = functionGeneratorClamp(block.frequency_limits, frequency);
    };
    store(o.sineOptions);
    store(o.squareOptions);
    store(o.rectangularOptions);
    store(o.triangluarOptions);
    store(o.positiveRampOptions);
    store(o.negativeRampOptions);
    emit standardFuntionOptionsChanged(size_t(channel), o);
}

void FunctionGeneratorPinnedWidget::processChangesOfOutputOptions(int channel)
{
    if (channel < 0 || !d->hasChannel(std::size_t(channel)))
        return;
    FunctionGeneratorOutputOptions &output = d->channelOptions[std::size_t(channel)].outputOptions;
    output.offset = d->offsetSpinBoxes[std::size_t(channel)]->value();
    emit outputOptionsChanged(size_t(channel), output);
}

void FunctionGeneratorPinnedWidget::proceesChangesOfChannelEnable(size_t channel)
{
    if (!d->hasChannel(channel))
        return;
    const bool enable = d->checkBoxes[channel]->checkState() == Qt::Checked;
    d->channelOptions[channel].enable = enable;
    emit channelEnableChanged(channel, enable);
}

void FunctionGeneratorPinnedWidget::updateIcon(unsigned int channel)
{
    const FunctionGeneratorStandardFunction function = d->channelOptions[channel].standardFunction;
    QString name = d->mode == FunctionGeneratorMode::ArbitraryWaveform
            ? waveformIcon
            : (icons.count(function) ? icons.at(function) : QString());
    QLabel *label = d->functionLabels[channel];
    label->setPixmap(createThemeIcon(currentThemeFolderName(), name).pixmap(label->size()));
}

void FunctionGeneratorPinnedWidget::updateStyle()
{
    for (unsigned int channel = 0; channel < channelRows; ++channel)
        updateIcon(channel);
    ui->controlToolButton->setIcon(createThemeIcon(currentThemeFolderName(), powerIcon));
    const bool dark = load_from_cache().color_theme == 0;
    for (QCheckBox *box : d->checkBoxes) {
        box->setProperty("darkTheme", dark);
        box->style()->unpolish(box);
        box->style()->polish(box);
    }
}

void FunctionGeneratorPinnedWidget::applyColumnWidth(int column, int width)
{
    ui->optionsLayout->update();
    for (QStackedWidget *stack : d->stackedWidgets) {
        for (int page = 0; page < stack->count(); ++page) {
            if (auto *grid = qobject_cast<QGridLayout *>(stack->widget(page)->layout())) {
                grid->setColumnMinimumWidth(column, width);
                grid->update();
            }
        }
    }
    ui->optionsLayout->update();
}

void FunctionGeneratorPinnedWidget::recalcValueColumn()
{
    int width = 0;
    for (QWidget *box : {static_cast<QWidget *>(d->frequencySpinBoxes[0]),
                         static_cast<QWidget *>(d->frequencySpinBoxes[1]),
                         static_cast<QWidget *>(d->offsetSpinBoxes[0]),
                         static_cast<QWidget *>(d->offsetSpinBoxes[1])})
        width = std::max(width, box->sizeHint().width());
    applyColumnWidth(1, width);
}

// The pages of both rows share their column widths, so the rows line up and a page switch
// keeps the columns in place.
void FunctionGeneratorPinnedWidget::recalcAllColumns()
{
    recalcValueColumn();
    int units = 0;
    for (unsigned int channel = 0; channel < channelRows; ++channel) {
        QWidget *unit = d->stackedWidgets[channel]->currentIndex() == frequencyPage
                ? static_cast<QWidget *>(d->unitComboBoxes[channel])
                : static_cast<QWidget *>(d->offsetUnitLabels[channel]);
        units = std::max(units, unit->sizeHint().width());
    }
    applyColumnWidth(2, units);
    int captions = 0;
    for (QWidget *caption : {static_cast<QWidget *>(ui->frequencyChannel1Label),
                             static_cast<QWidget *>(ui->frequencyChannel2Label),
                             static_cast<QWidget *>(ui->dcOffsetChannel1Label),
                             static_cast<QWidget *>(ui->dcOffsetChannel2Label)})
        captions = std::max(captions, caption->sizeHint().width());
    applyColumnWidth(0, captions);
    adjustSize();
}
