#include "views/functiongenerator/functiongeneratorwidget.h"

#include "orvexplotwidget/plotpanner.h"
#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/panelteardown.h"
#include "ui/viewbase/qdoublespinboxandratiowrapper.h"
#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"
#include "views/functiongenerator/functiongeneratorpreview.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui_functiongeneratorwidget.h"

#include <QDataWidgetMapper>
#include <QDir>
#include <QLabel>
#include <QSignalBlocker>
#include <QSignalMapper>
#include <QStandardItemModel>

#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>

namespace {

// The rows keep their numbers; only their texts are made again. Quietly, so that the mapper
// does not fill its label by itself: the caller decides which labels show a row.
void retranslateRows(QStandardItemModel *model, QString (*text)(unsigned int))
{
    const QSignalBlocker modelBlock(model);
    for (int row = 0; row < model->rowCount(); ++row) {
        QStandardItem *item = model->item(row);
        item->setText(text(item->data(functionGeneratorValueRole).toUInt()));
    }
}

// A label shows its mapper's row again, in the new language; a label left empty because no row
// holds the value stays empty.
void refreshLabel(QDataWidgetMapper *mapper, const QLabel *label)
{
    if (!label->text().isEmpty())
        mapper->revert();
}

} // namespace

QString functionGeneratorRangeText(unsigned int volts)
{
    return QStringLiteral("%1 ").arg(volts) + FunctionGeneratorWidget::tr("V");
}

QString functionGeneratorSampleRateText(unsigned int megahertz)
{
    return QStringLiteral("%1 ").arg(megahertz) + FunctionGeneratorWidget::tr("MHz");
}

QString functionGeneratorCurveTitle(std::size_t channel)
{
    return FunctionGeneratorWidget::tr("Signal_") + QString::number(channel + 1);
}

FunctionGeneratorWidget::FunctionGeneratorWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::FunctionGeneratorWidget>())
    , d(std::make_unique<Internal>())
{
    // Channels travel as size_t; receivers queued or spied on look the type up by that name.
    qRegisterMetaType<size_t>("size_t");
    ui->setupUi(this);
    setUpModelsAndMappers();
    setUpPlot();

    d->frequencyWrapper = new QDoubleSpinBoxAndRatioWrapper(ui->frequencyDoubleSpinBox,
                                                            ui->frequencyUnitsComboBox, this);
    d->modulatingFrequencyWrapper = new QDoubleSpinBoxAndRatioWrapper(
            ui->modulatingFrequencyDoubleSpinBox, ui->modulatingFrequencyUnitsComboBox, this);
    d->frequencyDeviationWrapper =
            new QDoubleSpinBoxAndRatioWrapper(ui->frequencyDeviationDoubleSpinBox,
                                              ui->modulationFrequencyDeviationUnitsComboBox, this);

    d->channelsSignalMapper = new QSignalMapper(this);
    configureChannelsCheckBox();

    setChannelsCount(2);
    setSupportedImpedance({50.0, 1000000.0});
    ui->channelMultiSwitch->setState(0);
    setUpWaveformFiles();

    ui->amplitudeRangeSlider->setPrecission(0.001);
    ui->amplitudeRangeSlider->setDimension(tr("V"));
    configureButtonGroups();
    processInternalChanges();
    connectUserInteractionToSignals();

    d->lastAwgDirectory = QDir::homePath();
}

// The pins go before the file list is stored, so that the files this panel played can be
// evicted again.
FunctionGeneratorWidget::~FunctionGeneratorWidget()
{
    silenceForTeardown(this);
    releaseWaveformPins();
}

void FunctionGeneratorWidget::setUpModelsAndMappers()
{
    d->rangeModel = new QStandardItemModel(this);
    d->rangeMapper = new QDataWidgetMapper(this);
    d->rangeMapper->setModel(d->rangeModel);
    d->rangeMapper->addMapping(ui->rangeValueLabel, 0, "text");
    d->rangeMapper->setCurrentIndex(0);

    d->sampleRateModel = new QStandardItemModel(this);
    d->sampleRateMapper = new QDataWidgetMapper(this);
    d->sampleRateMapper->setModel(d->sampleRateModel);
    d->sampleRateMapper->addMapping(ui->samplingValueLabel, 0, "text");
    for (unsigned int rate : functionGeneratorSampleRatesMHz) {
        auto *item = new QStandardItem(functionGeneratorSampleRateText(rate));
        item->setData(rate, functionGeneratorValueRole);
        d->sampleRateModel->appendRow(item);
    }
    d->sampleRateMapper->setCurrentIndex(0);

    d->impedanceModel = new FunctionGeneratorImpedanceListModel(this);
    d->impedanceModel->setFormat(false);
    d->impedanceModel->setUnits(
            QString::fromUtf8(QT_TRANSLATE_NOOP("FunctionGeneratorImpedanceListModel", "Ω")));
    d->impedanceMapper = new QDataWidgetMapper(this);
    d->impedanceMapper->setModel(d->impedanceModel);
    d->impedanceMapper->addMapping(ui->impedanceValueLabel, 0, "text");
    d->impedanceMapper->setCurrentIndex(0);
}

void FunctionGeneratorWidget::setUpPlot()
{
    OrvexPlotWidget *plot = ui->plotWidget;
    plot->panner()->setMouseButton(Qt::NoButton);
    plot->setAxisAutoScale(QwtPlot::xBottom, true);
    plot->setAxisMaxMajor(QwtPlot::xBottom, 4);
    plot->setAxisMaxMinor(QwtPlot::xBottom, 2);
    plot->setAxisScale(QwtPlot::yLeft, -10, 10, 0);
    plot->setAxisMaxMajor(QwtPlot::yLeft, 4);
    plot->setAxisMaxMinor(QwtPlot::yLeft, 5);
    plot->setAutoReplot(true);

    // The slider's extent follows the canvas, which sits above the bottom axis.
    const int bottom = plot->height() - plot->canvas()->height()
            - plot->plotLayout()->canvasMargin(QwtPlot::xTop);
    ui->amplitudeRangeSliderLayout->setContentsMargins(0, 0, 0, bottom);
}

void FunctionGeneratorWidget::configureButtonGroups()
{
    const QList<QAbstractButton *> functionButtons = {
            ui->levelToolButton,         ui->sineToolButton,       ui->squareToolButton,
            ui->rectangularToolButton,   ui->triangularToolButton, ui->positiveRampToolButton,
            ui->negativeRampToolButton,  ui->prbsToolButton,       ui->rampUpToolButton,
            ui->pulseToolButton,         ui->haverSineToolButton,  ui->uniformNoiseToolButton,
            ui->gaussianNoiseToolButton, ui->invisibleToolButton};
    for (int id = 0; id < functionButtons.size(); ++id)
        ui->functionsButtonGroup->setId(functionButtons.at(id), id);
    // Stands for "no function": checking it clears the exclusive group in waveform mode.
    ui->invisibleToolButton->hide();

    const QList<QAbstractButton *> modulationButtons = {
            ui->modulationOffButton,       ui->linearFrequencyModulationButton,
            ui->amplitudeModulationButton, ui->frequencyModulationButton,
            ui->phaseModulationButton,     ui->fsKeyingButton};
    for (int id = 0; id < modulationButtons.size(); ++id)
        ui->modulationButtonGroup->setId(modulationButtons.at(id), id);
}

void FunctionGeneratorWidget::configureChannelsCheckBox()
{
    d->channelCheckBoxes = {ui->channel1CheckBox, ui->channel2CheckBox};
    for (std::size_t i = 0; i < d->channelCheckBoxes.size(); ++i) {
        QCheckBox *box = d->channelCheckBoxes[i];
        connect(box, &QCheckBox::clicked, d->channelsSignalMapper,
                qOverload<>(&QSignalMapper::map));
        d->channelsSignalMapper->setMapping(box, int(i));
    }
}

void FunctionGeneratorWidget::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible)
        recalcOptionSizes();
}

void FunctionGeneratorWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    calculateTime();
    for (int i = 0; i < ui->plotWidget->curveCount(); ++i)
        displayFunction(unsigned(i));
}

void FunctionGeneratorWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        updateImpedanceValueLabelWidth();
        break;
    case QEvent::LanguageChange:
        ui->retranslateUi(this);
        updateImpedanceValueLabelWidth();
        // The slider's unit is no text of the form, so the form's translation passes it by.
        ui->amplitudeRangeSlider->setDimension(tr("V"));
        ui->amplitudeRangeSlider->update();
        retranslateValueTexts();
        break;
    case QEvent::StyleChange:
        applyTheme();
        break;
    default:
        break;
    }
}

// The range, impedance and sample-rate labels and the curve titles are no texts of the form.
// Each label keeps the row it shows.
void FunctionGeneratorWidget::retranslateValueTexts()
{
    retranslateRows(d->rangeModel, functionGeneratorRangeText);
    retranslateRows(d->sampleRateModel, functionGeneratorSampleRateText);
    refreshLabel(d->rangeMapper, ui->rangeValueLabel);
    refreshLabel(d->sampleRateMapper, ui->samplingValueLabel);
    // The impedance rows read their unit in the current language whenever asked.
    refreshLabel(d->impedanceMapper, ui->impedanceValueLabel);
    for (std::size_t channel = 0; channel < d->curves.size(); ++channel)
        d->curves[channel]->setTitle(functionGeneratorCurveTitle(channel));
}

void FunctionGeneratorWidget::applyTheme()
{
    const QString theme = currentThemeFolderName();
    const bool dark = theme == QLatin1String("dark");
    ui->plotWidget->setBackgroundColor(QColor(dark ? "#000000" : "#ffffff"));
    setChannelColors(dark ? functionGeneratorChannelColorsDark
                          : functionGeneratorChannelColorsLight);

    const std::pair<QAbstractButton *, const char *> icons[] = {
            {ui->levelToolButton, "standard_functions/level.svg"},
            {ui->sineToolButton, "standard_functions/sine.svg"},
            {ui->squareToolButton, "standard_functions/square.svg"},
            {ui->rectangularToolButton, "standard_functions/rectangular.svg"},
            {ui->triangularToolButton, "standard_functions/triangular.svg"},
            {ui->positiveRampToolButton, "standard_functions/positive_ramp.svg"},
            {ui->negativeRampToolButton, "standard_functions/negative_ramp.svg"},
            {ui->prbsToolButton, "standard_functions/pseudorandom_binary_sequence.svg"},
            {ui->rampUpToolButton, "standard_functions/ramp_up.svg"},
            {ui->pulseToolButton, "standard_functions/pulse.svg"},
            {ui->haverSineToolButton, "standard_functions/haversine.svg"},
            {ui->uniformNoiseToolButton, "standard_functions/uniform_noise.svg"},
            {ui->gaussianNoiseToolButton, "standard_functions/gaussian_noise.svg"},
            {ui->awgToolButton, "standard_functions/awg.svg"},
            {ui->immediateStartButton, "control/immediate_start_mode.svg"},
            {ui->delayedStartButton, "control/delayed_start_mode.svg"},
            {ui->triggerStartButton, "control/on_trigger_start_mode.svg"},
            {ui->stopButton, "control/stop.svg"},
            {ui->rangeLeftArrow, "control/arrow_minus.svg"},
            {ui->rangeRightArrow, "control/arrow_plus.svg"},
            {ui->impedanceLeftArrow, "control/arrow_minus.svg"},
            {ui->impedanceRightArrow, "control/arrow_plus.svg"},
            {ui->samplingLeftArrow, "control/arrow_minus.svg"},
            {ui->samplingRightArrow, "control/arrow_plus.svg"},
            {ui->modulatingFrequencyLeftArrow, "control/arrow_minus.svg"},
            {ui->modulatingFrequencyRightArrow, "control/arrow_plus.svg"},
            {ui->frequencyDeviationLeftArrow, "control/arrow_minus.svg"},
            {ui->frequencyDeviationRightArrow, "control/arrow_plus.svg"},
    };
    for (const auto &[button, name] : icons)
        button->setIcon(createThemeIcon(theme, QString::fromLatin1(name)));
}
