#include "views/multimeter/digitalmultimeterwidget.h"
#include "ui_digitalmultimeterwidget.h"

#include "app/options.h"
#include "orvexplotwidget/plotpanner.h"
#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/measurementsbutton.h"
#include "ui/viewbase/measurementsstrip.h"
#include "ui/viewbase/panelteardown.h"
#include "vekwidgets/vekpalette.h"
#include "views/multimeter/evaluationnames.h"
#include "views/multimeter/translateoptions.h"

#include <QButtonGroup>
#include <QEvent>
#include <QPixmap>
#include <QStyle>
#include <QTimer>
#include <QTimerEvent>

#include <qwt_plot_curve.h>

void setWidgetProperty(const char *name, const QVariant &value, QWidget *widget)
{
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

DigitalMultimeterWidget::DigitalMultimeterWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DigitalMultimeterWidget)
{
    ui->setupUi(this);
    startButtonWidth = ui->singleStartModeToolButton->minimumWidth();
    ui->functionsGridLayout->setRowMinimumHeight(0, 30);
    curve = ui->plotWidget->addCurve(QString());
    ui->plotWidget->panner()->setMouseButton(Qt::NoButton);

    replotTimer = new QTimer(this);
    replotTimer->setSingleShot(true);

    functionButtonGroup = new QButtonGroup(this);
    functionButtonGroup->addButton(ui->frequencyToolButton, FunctionFrequency);
    functionButtonGroup->addButton(ui->periodToolButton, FunctionPeriod);
    functionButtonGroup->addButton(ui->fourWireResistanceToolButton, FunctionFourWireResistance);
    functionButtonGroup->addButton(ui->twoWireResistanceToolButton, FunctionTwoWireResistance);
    functionButtonGroup->addButton(ui->alternatingVoltageToolButton, FunctionAcVoltage);
    functionButtonGroup->addButton(ui->directVoltageToolButton, FunctionDcVoltage);
    functionButtonGroup->addButton(ui->alternatingCurrentToolButton, FunctionAcCurrent);
    functionButtonGroup->addButton(ui->directCurrentToolButton, FunctionDcCurrent);
    functionButtonGroup->addButton(ui->continuityToolButton, FunctionContinuity);
    ui->frequencyToolButton->hide();
    ui->periodToolButton->hide();

    makeConnections();
    const std::initializer_list<QWidget *> fitted = {
            ui->scanTimeViewLabel,         ui->timeViewAcquisitionLabel,
            ui->countViewAcquisitionLabel, ui->singleStartModeToolButton,
            ui->autoStartModeToolButton,   ui->normalStartModeToolButton,
            ui->stopStartModeToolButton};
    for (QWidget *widget : fitted)
        widget->installEventFilter(this);
    measurementsStrip = new MeasurementsStrip(ui->measurementsGridWidget);

    dataMutex = std::make_unique<QRecursiveMutex>();
    displayTimerId = 0;
    curveColor = VekPalette::global()->color(VekPalette::Primary);
}

DigitalMultimeterWidget::~DigitalMultimeterWidget()
{
    silenceForTeardown(this);
    stopDisplayTimer();
    delete ui;
}

void DigitalMultimeterWidget::makeConnections()
{
    connect(functionButtonGroup, &QButtonGroup::idPressed, this,
            &DigitalMultimeterWidget::setFunctionMode);
    connect(ui->timeUpAcquisitionToolButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::upIntegrationTime);
    connect(ui->timeDownAcquisitionToolButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::downIntegrationTime);
    connect(ui->countUpAcquisitionToolButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::upPointCount);
    connect(ui->countDownAcquisitionToolButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::downPointCount);
    connect(ui->scanTimeIncreaseButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::upScanTime);
    connect(ui->scanTimeDecreaseButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::downScanTime);
    // Position 0 ("Raise") sends the falling-edge flag set; the resource reads it that way.
    connect(ui->triggerVekDoubleSwitch, &VekMultiSwitch::stateChanged, this,
            [this](int state) { emit riseFallStateChanged(state == 0); });
    connect(ui->delayPulseTriggerDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged),
            this, &DigitalMultimeterWidget::delayTimeChanged);
    connect(ui->powerFrequencyModeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DigitalMultimeterWidget::changePowerFrequency);
    connect(ui->rangeFuctionsComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DigitalMultimeterWidget::changeRangeIndex);
    connect(ui->filterModeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DigitalMultimeterWidget::changeFilter);
    connect(ui->inputImpedanceModeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DigitalMultimeterWidget::changeImpedance);
    connect(ui->autoZeroComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DigitalMultimeterWidget::changeZero);
    connect(ui->autoZeroPushButton, &QPushButton::released, this,
            &DigitalMultimeterWidget::startAutoZero);
    connect(ui->forceTriggersPushButton, &QPushButton::released, this, [this] {
        forcedTrigger = true;
        emit forceTriggers();
    });
    connect(ui->showSettingsToolButton, &QToolButton::released, this,
            &DigitalMultimeterWidget::showSettings);
    connect(ui->stopStartModeToolButton, &QToolButton::pressed, this,
            &DigitalMultimeterWidget::stopModeHandler);
    connect(ui->autoStartModeToolButton, &QToolButton::pressed, this,
            &DigitalMultimeterWidget::autoStartModeHandler);
    connect(ui->singleStartModeToolButton, &QToolButton::pressed, this,
            &DigitalMultimeterWidget::singleStartModeHandler);
    connect(ui->normalStartModeToolButton, &QToolButton::pressed, this,
            &DigitalMultimeterWidget::cycleStartModeHandler);
    connect(replotTimer, &QTimer::timeout, this, &DigitalMultimeterWidget::replotHistory);
}

void DigitalMultimeterWidget::timerEvent(QTimerEvent *event)
{
    Q_UNUSED(event)
    displayDataInViewLabel();
}

bool DigitalMultimeterWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A sheet reaches each label and button by itself, possibly after the form: refit then.
    const QEvent::Type type = event->type();
    if (type == QEvent::Polish || type == QEvent::FontChange || type == QEvent::StyleChange)
        fitTopRowTexts();
    return QWidget::eventFilter(watched, event);
}

void DigitalMultimeterWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        setWidgetProperty("active", isEnabled(), ui->inputImpedanceModeComboBox);
        setWidgetProperty("active", isEnabled(), ui->autoZeroComboBox);
        setWidgetProperty("active", isEnabled(), ui->filterModeComboBox);
        break;
    case QEvent::StyleChange:
        applyTheme();
        break;
    case QEvent::LanguageChange: {
        ui->retranslateUi(this);
        // The function's name, the lists and the acquisition values are the form's own texts,
        // not the generated form's.
        retranslateMainParameters();
        fitTopRowTexts();
        const QString unit = TranslateOptions::instance()->units(functionMode);
        const size_t count = std::min(evaluationTypes.size(), measurementButtons.size());
        for (size_t i = 0; i < count; ++i) {
            measurementButtons[i]->setMeasurementName(getEvaluationViewName(evaluationTypes[i]));
            measurementButtons[i]->setUnits(getEvaluationViewDimentions(evaluationTypes[i], unit));
            measurementButtons[i]->updateGeometry();
        }
        break;
    }
    default:
        break;
    }
}

void DigitalMultimeterWidget::applyTheme()
{
    const bool dark = load_from_cache().color_theme == 0;
    ui->plotWidget->setBackgroundColor(QColor(dark ? "#000000" : "#ffffff"));
    curveColor = dark ? QColor("#ffff00") : VekPalette::global()->color(VekPalette::Primary);
    const QString folder = currentThemeFolderName();
    QPixmap mark(5, 5);
    mark.fill(curveColor);
    for (MeasurementsButton *button : measurementButtons)
        button->setIcon(QIcon(mark));
    applyCurvePen();
    const struct
    {
        QAbstractButton *button;
        const char *name;
    } icons[] = {
            {ui->directVoltageToolButton, "multimeter_functions/direct_voltage.svg"},
            {ui->alternatingVoltageToolButton, "multimeter_functions/alternating_voltage.svg"},
            {ui->directCurrentToolButton, "multimeter_functions/direct_current.svg"},
            {ui->alternatingCurrentToolButton, "multimeter_functions/alternating_current.svg"},
            {ui->twoWireResistanceToolButton, "multimeter_functions/2wire_resistance.svg"},
            {ui->fourWireResistanceToolButton, "multimeter_functions/4wire_resistance.svg"},
            {ui->periodToolButton, "multimeter_functions/period.svg"},
            {ui->frequencyToolButton, "multimeter_functions/frequency.svg"},
            {ui->continuityToolButton, "multimeter_functions/continuity.svg"},
            {ui->singleStartModeToolButton, "control/single_start_mode.svg"},
            {ui->autoStartModeToolButton, "control/auto_start_mode.svg"},
            {ui->normalStartModeToolButton, "control/normal_start_mode.svg"},
            {ui->stopStartModeToolButton, "control/stop.svg"},
            {ui->showSettingsToolButton, "control/measurment.svg"},
            {ui->scanTimeDecreaseButton, "control/arrow_minus.svg"},
            {ui->scanTimeIncreaseButton, "control/arrow_plus.svg"},
            {ui->timeDownAcquisitionToolButton, "control/arrow_minus.svg"},
            {ui->timeUpAcquisitionToolButton, "control/arrow_plus.svg"},
            {ui->countDownAcquisitionToolButton, "control/arrow_minus.svg"},
            {ui->countUpAcquisitionToolButton, "control/arrow_plus.svg"},
    };
    for (const auto &icon : icons)
        icon.button->setIcon(createThemeIcon(folder, QString::fromLatin1(icon.name)));
}

void DigitalMultimeterWidget::applyCurvePen()
{
    if (!curve)
        return;
    QPen pen(curveColor, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    curve->setPen(pen);
}
