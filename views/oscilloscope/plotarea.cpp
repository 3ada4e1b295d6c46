#include "views/oscilloscope/plotarea.h"

#include "app/options.h"
#include "ui/viewbase/commonfunctions.h"
#include "views/oscilloscope/cursors/cursorevaluationwidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/valuemarker.h"

#include <qwt_plot_canvas.h>

#include <QEvent>
#include <QGridLayout>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

constexpr int channelCount = 3;
constexpr int initialMarkerSize = 16;
constexpr int zoomOutIconSide = 25;

bool isChannel(int channel)
{
    return channel >= 0 && channel < channelCount;
}

} // namespace

PlotArea::PlotArea(CustomPlot *plot, QWidget *parent)
    : QWidget(parent)
    , plot(plot)
{
    m_markerSize = initialMarkerSize;

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    rightStrip = new MarkerCollectionWidget(Qt::Vertical, this);
    topStrip = new MarkerCollectionWidget(Qt::Horizontal, this);
    leftStrip = new MarkerCollectionWidget(Qt::Vertical, this);
    bottomStrip = new MarkerCollectionWidget(Qt::Horizontal, this);
    zoomOutButton = new QToolButton(this);

    zoomOutButton->setIconSize(QSize(zoomOutIconSide, zoomOutIconSide));
    zoomOutButton->setAutoRaise(true);
    zoomOutButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(zoomOutButton, &QToolButton::clicked, plot, &CustomPlot::autoXScale);

    grid->addWidget(topStrip, 0, 1);
    grid->addWidget(zoomOutButton, 0, 2);
    grid->addWidget(leftStrip, 1, 0);
    grid->addWidget(plot, 1, 1);
    grid->addWidget(rightStrip, 1, 2);
    grid->addWidget(bottomStrip, 2, 1);
    for (int i = 0; i < 3; ++i) {
        grid->setColumnStretch(i, i == 1 ? 1 : 0);
        grid->setRowStretch(i, i == 1 ? 1 : 0);
    }

    createMarkers();
    bindTrigger();
    bindTime();
    bindOffsets();
    bindCursors();

    // Every new trigger level shows the trigger mark again.
    connect(this, &PlotArea::triggerLevel1Changed, this,
            [this]() { emit triggerLevel1EnabledChanged(true); });
    connect(plot, &OrvexPlotWidget::legendSizeChanged, this, [this]() { alignStrips(); });
    setCursorSources();
    for (MarkerCollectionWidget *strip : {rightStrip, topStrip, leftStrip, bottomStrip})
        strip->setIconSize(QSize(initialMarkerSize, initialMarkerSize));
}

PlotArea::~PlotArea() = default;

int PlotArea::markerSize() const
{
    return m_markerSize;
}

void PlotArea::setMarkerSize(int size)
{
    m_markerSize = size;
    for (MarkerCollectionWidget *strip : {rightStrip, topStrip, leftStrip, bottomStrip})
        strip->setIconSize(QSize(size, size));
}

QWidget *PlotArea::cursorsEvaluationWidget() const
{
    return cursors.evaluationWidget();
}

ValueMarker *PlotArea::triggerMarker() const
{
    return m_triggerMarker.get();
}

ValueMarker *PlotArea::timeMarker() const
{
    return m_timeMarker.get();
}

QVector<ValueMarker *> PlotArea::offsetMarkers() const
{
    QVector<ValueMarker *> markers;
    for (const auto &marker : m_offsetMarkers)
        markers.append(marker.get());
    return markers;
}

CursorsSystem &PlotArea::cursorsSystem()
{
    return cursors;
}

void PlotArea::openCursorsSettings()
{
    cursors.openSettings();
}

void PlotArea::setCursorSources()
{
    cursors.setSources({tr("Channel %1").arg(1), tr("Channel %1").arg(2), tr("Math channel")});
}

void PlotArea::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        setCursorSources();
        cursors.changeLanguage();
    } else if (event->type() == QEvent::StyleChange) {
        applyTheme();
    }
}

void PlotArea::createMarkers()
{
    m_triggerMarker = std::make_unique<ValueMarker>(
            Qt::Vertical, Qt::AlignLeft, QStringLiteral(":/icons/control/trigger_label.svg"));
    m_triggerMarker->setValue(0.5);
    m_triggerMarker->setIconOnly(true);
    rightStrip->addMarker(m_triggerMarker.get());

    // Made icon-only only after it is on its strip, so the top strip keeps the height for a
    // value text.
    m_timeMarker = std::make_unique<ValueMarker>(Qt::Horizontal, Qt::AlignBottom,
                                                 QStringLiteral(":/icons/control/time_label.svg"));
    m_timeMarker->setValue(0.0);
    m_timeMarker->setDimension(QStringLiteral("s"));
    topStrip->addMarker(m_timeMarker.get());
    m_timeMarker->setIconOnly(true);

    const double offsets[channelCount] = {0.5, -0.5, -0.5};
    for (int i = 0; i < channelCount; ++i) {
        auto marker = std::make_unique<ValueMarker>(
                Qt::Vertical, Qt::AlignRight,
                QStringLiteral(":/icons/control/channel%1_label.svg").arg(i + 1));
        marker->setValue(offsets[i]);
        marker->setIconOnly(true);
        leftStrip->addMarker(marker.get());
        m_offsetMarkers.push_back(std::move(marker));
    }
}

void PlotArea::bindTrigger()
{
    ValueMarker *marker = m_triggerMarker.get();
    connect(this, &PlotArea::triggerScaleChanged, marker, &ValueMarker::setScale);
    connect(this, &PlotArea::triggerLevel1Changed, marker, &ValueMarker::setValue);
    connect(marker, &ValueMarker::valueChanged, this, &PlotArea::triggerLevel1Changed);
    connect(this, &PlotArea::triggerLevel1EnabledChanged, this,
            [this](bool enabled) { rightStrip->setMarkerEnabled(m_triggerMarker.get(), enabled); });
    connect(this, &PlotArea::triggerRangeChanged, marker, &ValueMarker::setRange);
    connect(marker, &ValueMarker::valueChanged, plot, &CustomPlot::setTriggerLevel);
}

void PlotArea::bindTime()
{
    ValueMarker *marker = m_timeMarker.get();
    connect(this, &PlotArea::timeScaleChanged, marker, &ValueMarker::setScale);
    connect(this, &PlotArea::pretimeChanged, marker, &ValueMarker::setValue);
    // A new time base re-ranges the mark and may clamp it; the panel corrects the prehistory
    // into its own, narrower range itself, so the clamped value is nobody's request.
    connect(marker, &ValueMarker::valueChanged, this, [this](double value) {
        if (!m_timeRanging)
            emit pretimeChanged(value);
    });
    connect(this, &PlotArea::timeRangeChanged, this,
            [this, marker](double minimum, double maximum) {
                const QScopedValueRollback<bool> ranging(m_timeRanging, true);
                marker->setRange(minimum, maximum);
            });
    connect(marker, &ValueMarker::validateValue, this, &PlotArea::validatePretimeValue);
}

void PlotArea::bindOffsets()
{
    m_offsetEnabled.assign(std::size_t(channelCount), true);
    // A channel outside the three marks is no mark: ignored, never an index.
    connect(this, &PlotArea::offsetChanged, this, [this](int channel, double value) {
        if (!isChannel(channel))
            return;
        leftStrip->setMarkerEnabled(offsetMarker(channel), m_offsetEnabled[std::size_t(channel)]);
        offsetMarker(channel)->setValue(value);
    });
    for (int i = 0; i < channelCount; ++i) {
        connect(offsetMarker(i), &ValueMarker::valueChanged, this,
                [this, i](double value) { emit offsetChanged(i, value); });
    }
    connect(this, &PlotArea::offsetScaleChanged, this,
            [this](int channel, double minimum, double maximum) {
                if (isChannel(channel))
                    offsetMarker(channel)->setScale(minimum, maximum);
            });
    connect(this, &PlotArea::offsetRangeChanged, this,
            [this](int channel, double minimum, double maximum) {
                if (isChannel(channel))
                    offsetMarker(channel)->setRange(minimum, maximum);
            });
    connect(this, &PlotArea::offsetEnabledChanged, this, [this](int channel, bool enabled) {
        if (!isChannel(channel))
            return;
        m_offsetEnabled[std::size_t(channel)] = enabled;
        leftStrip->setMarkerEnabled(offsetMarker(channel), enabled);
    });
    for (int i = 0; i < channelCount; ++i) {
        ValueMarker *marker = offsetMarker(i);
        connect(marker, &ValueMarker::doubleClicked, marker, [marker]() { marker->setValue(0.0); });
    }
}

void PlotArea::bindCursors()
{
    cursors.setPlot(plot);
    cursors.setHorizontalMarkerWidget(rightStrip);
    cursors.setVerticalMarkerWidget(bottomStrip);
    connect(this, &PlotArea::timeScaleChanged, &cursors, [this](double minimum, double maximum) {
        emit cursors.verticalScaleChanged(0, minimum, maximum);
    });
    connect(plot, &CustomPlot::evaluationDataChanged, &cursors, &CursorsSystem::setData);
    connect(plot, &CustomPlot::timeScaleChanged, this, &PlotArea::timeScaleChanged);
    connect(this, &PlotArea::offsetScaleChanged, &cursors, &CursorsSystem::horizontalScaleChanged);
    connect(this, &PlotArea::offsetChanged, &cursors,
            [this]() { cursors.setDataOffset(offsetValues()); });
}

void PlotArea::alignStrips()
{
    const QRect canvas = plot->canvas()->contentsRect();
    const QMargins horizontal(canvas.left(), 0, plot->width() - canvas.width(), 0);
    const QMargins vertical(0, canvas.top(), 0, plot->height() - canvas.height());
    topStrip->setMargins(horizontal);
    bottomStrip->setMargins(horizontal);
    rightStrip->setMargins(vertical);
    leftStrip->setMargins(vertical);
}

void PlotArea::applyTheme()
{
    const QString theme =
            load_from_cache().color_theme == 0 ? QStringLiteral("dark") : QStringLiteral("light");
    zoomOutButton->setIcon(createThemeIcon(theme, QStringLiteral("control/graph_zoom_out.svg")));
    m_triggerMarker->setIconPath(QStringLiteral(":/icons/%1/control/trigger_label.svg").arg(theme));
    m_timeMarker->setIconPath(QStringLiteral(":/icons/%1/control/time_label.svg").arg(theme));
    for (int i = 0; i < channelCount; ++i) {
        offsetMarker(i)->setIconPath(
                QStringLiteral(":/icons/%1/control/channel%2_label.svg").arg(theme).arg(i + 1));
    }
    cursors.changeTheme();
    update();
}

ValueMarker *PlotArea::offsetMarker(int channel) const
{
    return m_offsetMarkers.at(std::size_t(channel)).get();
}

QVector<double> PlotArea::offsetValues() const
{
    QVector<double> values;
    for (const auto &marker : m_offsetMarkers)
        values.append(marker->value());
    return values;
}
