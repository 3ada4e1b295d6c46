#include "views/oscilloscope/digitaloscilloscopewidget.h"
#include "ui_digitaloscilloscopewidget.h"

#include "app/options.h"
#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/measurementsstrip.h"
#include "ui/viewbase/panelteardown.h"
#include "views/oscilloscope/channelpanelsettingswidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/mathchannelpanelsettingswidget.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/triggerpanelsettingswidget.h"

#include <QDir>
#include <QEvent>
#include <QGestureEvent>
#include <QMouseEvent>
#include <QPinchGesture>
#include <QStyle>
#include <QWheelEvent>

const int DigitalOscilloscopeWidget::channelCount = OscilloscopeScales::channelCount;
const std::vector<double> DigitalOscilloscopeWidget::horizontalDivisions(
        OscilloscopeScales::horizontalDivisions.begin(),
        OscilloscopeScales::horizontalDivisions.end());
const std::vector<double>
        DigitalOscilloscopeWidget::verticalDivisions(OscilloscopeScales::verticalDivisions.begin(),
                                                     OscilloscopeScales::verticalDivisions.end());

namespace {

// The switch's style pads its halves by a hair only: side by side, two channel names run
// together.
constexpr int sourceNamePadding = 8;

DigitalOscilloscopeChannelParameters defaultChannelRecord(int channel)
{
    DigitalOscilloscopeChannelParameters parameters;
    parameters.channel = channel;
    parameters.state = 1;
    parameters.range = 6;
    parameters.offset = 0.0;
    parameters.impedance = true;
    parameters.filter = 0;
    parameters.coupling = false;
    return parameters;
}

template<std::size_t N>
std::vector<QColor> toVector(const std::array<QColor, N> &colors)
{
    return std::vector<QColor>(colors.begin(), colors.end());
}

} // namespace

DigitalOscilloscopeWidget::DigitalOscilloscopeWidget(QWidget *parent)
    : QWidget(parent)
{
    for (int i = 1; i <= 2; ++i) {
        AnalogControls controls;
        controls.settingsWidget =
                std::make_unique<ChannelPanelSettingsWidget>(tr("Channel %1").arg(i));
        m_channelControls.push_back(std::move(controls));
    }
    m_mathChannelControls.settingsWidget =
            std::make_unique<MathChannelPanelSettingsWidget>(tr("Math channel"));

    m_channelParameters = {defaultChannelRecord(0), defaultChannelRecord(1)};
    ui = std::make_unique<Ui::DigitalOscilloscopeWidget>();
    m_channelColors = toVector(OscilloscopeScales::channelColorsLight());
    m_evaluationTypes.resize(std::size_t(channelCount));
    m_measurementButtons.resize(std::size_t(channelCount));
    m_exportFolder = QDir(QDir::homePath()).absolutePath();

    ui->setupUi(this);
    for (std::size_t i = 0; i < m_channelParameters.size(); ++i)
        m_channelParameters[i].channel = int(i);

    setParametersWidgets();
    setParametersWidgetsConnections();

    m_voltDivisionIndexes.resize(m_channelParameters.size() + 1,
                                 OscilloscopeScales::defaultVoltDivisionIndex);
    for (std::size_t i = 0; i < m_voltDivisionIndexes.size(); ++i)
        changePlotVDivision(int(i), true);
    setHDivision(m_timeDivisionIndex);

    m_triggerSettings = new TriggerPanelSettingsWidget(this);
    connect(m_triggerSettings, &TriggerPanelSettingsWidget::triggerParametersChanged,
            [this](DigitalOscilloscopeTriggerParameters parameters) {
                // The dialog edits the condition; source and prehistory stay the panel's.
                parameters.channel = m_triggerParameters.channel;
                parameters.prehistory = m_triggerParameters.prehistory;
                m_triggerParameters = parameters;
                emit triggerParametersChanged(m_triggerParameters);
            });
    connect(m_triggerSettings, &TriggerPanelSettingsWidget::triggerDescriptionChanged,
            [this](const QString &description, const QIcon &icon) {
                ui->triggerToolBarButton->setText(description);
                ui->triggerToolBarButton->setIcon(icon);
            });

    m_singleStopPending.exchange(false);
    m_forceTriggerPending.exchange(false);

    setPlotWidget();
    grabGesture(Qt::PinchGesture);
    m_pinchActive.exchange(false);

    ui->prehistorySpinBox->setType(VekDimensionSpinBox::Time);
    m_measurementsStrip = new MeasurementsStrip(ui->measurementsGridWidget);
    ui->triggerSourceDoubleSwitch->setLabelPadding(sourceNamePadding);
}

DigitalOscilloscopeWidget::~DigitalOscilloscopeWidget()
{
    silenceForTeardown(this);
    ui.reset();
    delete m_triggerSettings;
    m_triggerSettings = nullptr;
    m_channelControls.clear();
    m_mathChannelControls.settingsWidget.reset();
    // The plot area goes first: its cursors system frees the active cursor's lines on the
    // plot while the plot still lives, and the plot, its child, follows with it.
    delete m_plotArea;
    m_plotArea = nullptr;
    m_plot = nullptr;
}

void DigitalOscilloscopeWidget::setPlotWidget()
{
    m_plot = new CustomPlot(int(m_channelParameters.size()) + 1);
    m_plot->setXDivisions(QVector<double>(horizontalDivisions.begin(), horizontalDivisions.end()));
    connect(this, &DigitalOscilloscopeWidget::dataChanged, m_plot, &CustomPlot::dataChanged);
    m_plot->setCurveColors(m_channelColors);
    for (std::size_t i = 0; i < m_channelParameters.size(); ++i) {
        m_plot->setCurveEnable(int(i), m_channelParameters[i].state != 0);
        m_plot->setYOffset(int(i), m_channelParameters[i].offset);
    }
    const int math = int(m_channelParameters.size());
    m_plot->setCurveEnable(math, m_mathChannelParameters.state != 0);
    m_plot->setYOffset(math, m_mathChannelParameters.offset);
    connect(this, &DigitalOscilloscopeWidget::timePlotParametersChanged, this,
            [this](const DigitalOscilloscopeTimeParameters &parameters) {
                m_plot->setTimeParameters(parameters.period, parameters.time);
                rangeTimeMark();
            });
    connect(this, &DigitalOscilloscopeWidget::plotHDivisionIncremented, m_plot,
            &CustomPlot::xZoomOut);
    connect(this, &DigitalOscilloscopeWidget::plotHDivisionDecremented, m_plot,
            &CustomPlot::xZoomIn);
    connect(this, &DigitalOscilloscopeWidget::plotVDivisionChanged, m_plot, &CustomPlot::yZoom);
    m_plot->setGrid(Division {8, 5, 8, 5}, horizontalDivisions[std::size_t(m_timeDivisionIndex)],
                    verticalDivisions[std::size_t(m_voltDivisionIndexes.at(0))]);
    m_plot->installEventFilter(this);
    m_plot->setDefaultXZoom(m_timeDivisionIndex);
    connect(m_plot, &CustomPlot::visualDataChanged, this,
            &DigitalOscilloscopeWidget::visualDataChanged);
    connect(m_plot, &CustomPlot::autoXZoomChanged, this, &DigitalOscilloscopeWidget::setHDivision);
    connect(this, &DigitalOscilloscopeWidget::offsetChanged, m_plot, &CustomPlot::setYOffset);
    connect(this, &DigitalOscilloscopeWidget::triggerParametersChanged, this,
            [this](const DigitalOscilloscopeTriggerParameters &) {
                m_plot->setTriggerChannel(triggerSourceChannel());
            });
    setPlotArea();
}

bool DigitalOscilloscopeWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_plot || !m_plot)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Gesture: {
        auto *pinch = static_cast<QPinchGesture *>(
                static_cast<QGestureEvent *>(event)->gesture(Qt::PinchGesture));
        if (!pinch)
            return QWidget::eventFilter(watched, event);
        applyPinch(pinch->state(), pinch->changeFlags().testFlag(QPinchGesture::ScaleFactorChanged),
                   pinch->totalScaleFactor(), pinch->scaleFactor());
        return true;
    }
    case QEvent::MouseMove:
        if (m_pinchActive.load())
            return true;
        break;
    case QEvent::Wheel: {
        const QWheelEvent *wheel = static_cast<QWheelEvent *>(event);
        stepTimeBy(OscilloscopeScales::wheelStep(wheel->angleDelta().y(),
                                                 ui->timeDivIncreaseButton->isEnabled(),
                                                 ui->timeDivDecreaseButton->isEnabled()));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void DigitalOscilloscopeWidget::applyPinch(Qt::GestureState state, bool scaleChanged,
                                           double totalScaleFactor, double scaleFactor)
{
    if (scaleChanged && m_pinchActive.load()) {
        const OscilloscopeScales::TimeStep step = OscilloscopeScales::pinchStep(
                m_pinchScale, totalScaleFactor, scaleFactor, ui->timeDivIncreaseButton->isEnabled(),
                ui->timeDivDecreaseButton->isEnabled());
        if (step != OscilloscopeScales::TimeStep::None) {
            stepTimeBy(step);
            m_pinchScale = totalScaleFactor;
        }
    }
    if (state == Qt::GestureFinished)
        m_pinchActive.exchange(false);
    if (state == Qt::GestureStarted) {
        m_pinchActive.exchange(true);
        m_pinchScale = totalScaleFactor;
    }
}

void DigitalOscilloscopeWidget::stepTimeBy(OscilloscopeScales::TimeStep step)
{
    // A step runs exactly what a click on the button runs.
    if (step == OscilloscopeScales::TimeStep::Increase)
        emit ui->timeDivIncreaseButton->clicked(false);
    else if (step == OscilloscopeScales::TimeStep::Decrease)
        emit ui->timeDivDecreaseButton->clicked(false);
}

void DigitalOscilloscopeWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    repaint();
}

void DigitalOscilloscopeWidget::setParametersWidgets()
{
    const auto fill = [](auto &controls, QCheckBox *box, QLabel *label, QToolButton *increase,
                         QToolButton *decrease, QToolButton *settings) {
        controls.enableCheckBox = box;
        controls.vDivLabel = label;
        controls.vDivIncreaseButton = increase;
        controls.vDivDecreaseButton = decrease;
        controls.settingsButton = settings;
    };
    fill(m_channelControls[0], ui->channel1CheckBox, ui->channel1VDivLabel,
         ui->channel1VDivIncreaseButton, ui->channel1VDivDecreaseButton,
         ui->channel1SettingsButton);
    fill(m_channelControls[1], ui->channel2CheckBox, ui->channel2VDivLabel,
         ui->channel2VDivIncreaseButton, ui->channel2VDivDecreaseButton,
         ui->channel2SettingsButton);
    fill(m_mathChannelControls, ui->mathChannelCheckBox, ui->mathChannelVDivLabel,
         ui->mathChannelVDivIncreaseButton, ui->mathChannelVDivDecreaseButton,
         ui->mathChannelSettingsButton);
}

void DigitalOscilloscopeWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        relabelMeasurementButtons();
        retranslateScales();
    } else if (event->type() == QEvent::StyleChange)
        applyTheme();
}

void DigitalOscilloscopeWidget::applyTheme()
{
    const bool dark = load_from_cache().color_theme == 0;
    const QString theme = dark ? QStringLiteral("dark") : QStringLiteral("light");
    if (m_plot) {
        m_plot->setBackgroundColor(QColor(dark ? "#000000" : "#ffffff"));
        m_plot->setMarkersColor(QColor(dark ? "#ffffff" : "#000000"));
    }
    setChannelColors(toVector(dark ? OscilloscopeScales::channelColorsDark()
                                   : OscilloscopeScales::channelColorsLight()));

    const QList<QPair<QToolButton *, const char *>> icons = {
            {ui->startSingleModeButton, "control/single_start_mode.svg"},
            {ui->startAutoModeButton, "control/auto_start_mode.svg"},
            {ui->startNormalModeButton, "control/normal_start_mode.svg"},
            {ui->stopModeButton, "control/stop.svg"},
            {ui->timeDivDecreaseButton, "control/arrow_minus.svg"},
            {ui->timeDivIncreaseButton, "control/arrow_plus.svg"},
            {ui->channel1VDivDecreaseButton, "control/arrow_minus.svg"},
            {ui->channel2VDivDecreaseButton, "control/arrow_minus.svg"},
            {ui->mathChannelVDivDecreaseButton, "control/arrow_minus.svg"},
            {ui->channel1VDivIncreaseButton, "control/arrow_plus.svg"},
            {ui->channel2VDivIncreaseButton, "control/arrow_plus.svg"},
            {ui->mathChannelVDivIncreaseButton, "control/arrow_plus.svg"},
            {ui->showMeasurementsSettingsToolButton, "control/measurment.svg"},
            {ui->cursorSettingsToolButton, "control/cursor_settings.svg"},
            {ui->channel1SettingsButton, "control/settings.svg"},
            {ui->channel2SettingsButton, "control/settings.svg"},
            {ui->mathChannelSettingsButton, "control/settings.svg"},
    };
    for (const auto &[button, name] : icons)
        button->setIcon(createThemeIcon(theme, QLatin1String(name)));

    for (QCheckBox *box : {ui->channel1CheckBox, ui->channel2CheckBox, ui->mathChannelCheckBox}) {
        box->setProperty("darkTheme", dark);
        box->style()->unpolish(box);
        box->style()->polish(box);
    }
}
