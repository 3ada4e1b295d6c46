#include "views/oscilloscope/cursors/cursorssystem.h"

#include "views/oscilloscope/cursors/cursorevaluationwidget.h"
#include "views/oscilloscope/cursors/manualcursor.h"
#include "views/oscilloscope/cursors/timecursor.h"
#include "views/oscilloscope/cursors/trackcursor.h"
#include "views/oscilloscope/cursors/voltagecursor.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/valuemarker.h"

namespace {

std::unique_ptr<CursorInterface> createCursor(int type)
{
    switch (type) {
    case 1:
        return std::make_unique<TimeCursor>();
    case 2:
        return std::make_unique<TrackCursor>();
    case 3:
        return std::make_unique<VoltageCursor>();
    case 4:
        return std::make_unique<ManualCursor>();
    default:
        return nullptr;
    }
}

} // namespace

CursorsSystem::CursorsSystem()
    : m_evaluationWidget(new CursorEvaluationWidget)
{
    connect(&m_settingsWidget, &CursorsSettingsWidget::cursorsSettingsChanged, this,
            &CursorsSystem::setSettings);
    connect(this, &CursorsSystem::horizontalScaleChanged, this, &CursorsSystem::setHorizontalScale,
            Qt::DirectConnection);
    // The first settings differ from none in nothing, so the panel is given the default
    // readings here.
    setSettings(m_settings);
    m_evaluationWidget->setEvaluationList(CursorInterface::defaultDescription());
}

CursorsSystem::~CursorsSystem()
{
    if (m_cursor) {
        removeCursorsFromWidget();
        // Deleting the kind deletes its marks and lines; a line still on a live plot leaves it.
        m_cursor.reset();
    }
    if (m_evaluationWidget && !m_evaluationWidget->parent())
        delete m_evaluationWidget.data();
}

void CursorsSystem::setPlot(CustomPlot *plot)
{
    m_plot = plot;
}

void CursorsSystem::setHorizontalMarkerWidget(MarkerCollectionWidget *widget)
{
    m_horizontalMarkerWidget = widget;
    attachCursorsToWidget();
}

void CursorsSystem::setVerticalMarkerWidget(MarkerCollectionWidget *widget)
{
    m_verticalMarkerWidget = widget;
    attachCursorsToWidget();
}

CursorEvaluationWidget *CursorsSystem::evaluationWidget() const
{
    return m_evaluationWidget;
}

QVector<CursorMarkerPair> CursorsSystem::horizontalCursors() const
{
    return m_cursor ? m_cursor->horizontalCursors() : QVector<CursorMarkerPair>();
}

QVector<CursorMarkerPair> CursorsSystem::vertiacalCursors() const
{
    return m_cursor ? m_cursor->verticalCursors() : QVector<CursorMarkerPair>();
}

CursorsSettings CursorsSystem::settings() const
{
    return m_settings;
}

CursorInterface *CursorsSystem::cursor() const
{
    return m_cursor.get();
}

void CursorsSystem::setSettings(CursorsSettings settings)
{
    const int oldType = m_settings.type;
    m_settings = settings;
    if (settings.type != oldType) {
        removeCursorsFromWidget();
        m_cursor.reset();
        m_cursor = createCursor(settings.type);
        if (!m_cursor) {
            if (m_evaluationWidget)
                m_evaluationWidget->setEvaluationList(CursorInterface::defaultDescription());
            return;
        }
        attachCursorsToWidget();
    }
    if (!m_cursor)
        return;
    const QVector<int> sources {settings.source1, settings.source2};
    m_cursor->setSource(sources);
    if (m_evaluationWidget)
        m_evaluationWidget->setSource(sources);
    emitScales();
}

void CursorsSystem::setData(double period, double timeStart, const QVector<QVector<double>> &data)
{
    m_data.sampleInterval = period;
    m_data.startTime = timeStart;
    m_data.channels = &data;
    if (m_cursor)
        m_cursor->setData(m_data);
}

void CursorsSystem::setDataOffset(const QVector<double> &offsets)
{
    m_data.offsets = offsets;
    if (m_cursor)
        m_cursor->setData(m_data);
}

void CursorsSystem::setHorizontalScale(int source, double minimum, double maximum)
{
    if (source < 0)
        return;
    if (m_data.scales.size() < source + 1)
        m_data.scales.resize(source + 1); // new entries are (0, 0)
    m_data.scales[source] = qMakePair(minimum, maximum);
}

void CursorsSystem::setSources(QStringList sources)
{
    m_settingsWidget.setSources(std::move(sources));
}

void CursorsSystem::openSettings()
{
    m_settingsWidget.setDefaultSettings(m_settings);
    m_settingsWidget.exec();
}

void CursorsSystem::changeTheme()
{
    if (m_cursor)
        m_cursor->changeTheme();
}

void CursorsSystem::changeLanguage()
{
    if (m_cursor)
        m_cursor->changeLanguage();
    else if (m_evaluationWidget)
        m_evaluationWidget->setEvaluationList(CursorInterface::defaultDescription());
}

void CursorsSystem::attachCursorsToWidget()
{
    if (!m_cursor || !m_plot || !m_horizontalMarkerWidget || !m_verticalMarkerWidget)
        return;
    if (m_evaluationWidget) {
        connect(m_cursor.get(), &CursorInterface::descriptionChanged, m_evaluationWidget.data(),
                &CursorEvaluationWidget::setEvaluationList, Qt::UniqueConnection);
    }
    m_cursor->setData(m_data);
    connectCursors();
    m_plot->updateOffset();
    emitScales();
    for (const CursorMarkerPair &pair : m_cursor->verticalCursors()) {
        m_verticalMarkerWidget->addMarker(pair.first);
        pair.second->attach(m_plot);
    }
    for (const CursorMarkerPair &pair : m_cursor->horizontalCursors()) {
        m_horizontalMarkerWidget->addMarker(pair.first);
        pair.second->attach(m_plot);
    }
}

void CursorsSystem::removeCursorsFromWidget()
{
    if (!m_cursor || !m_horizontalMarkerWidget || !m_verticalMarkerWidget)
        return;
    // Only the connections the system made: the kind's own ones (scales to its marks) stay.
    if (m_evaluationWidget)
        disconnect(m_cursor.get(), nullptr, m_evaluationWidget.data(), nullptr);
    disconnect(this, nullptr, m_cursor.get(), nullptr);
    for (const CursorMarkerPair &pair : m_cursor->verticalCursors()) {
        m_verticalMarkerWidget->removeMarker(pair.first);
        pair.second->detach();
    }
    for (const CursorMarkerPair &pair : m_cursor->horizontalCursors()) {
        m_horizontalMarkerWidget->removeMarker(pair.first);
        pair.second->detach();
    }
}

void CursorsSystem::connectCursors()
{
    if (!m_cursor)
        return;
    connect(this, &CursorsSystem::verticalScaleChanged, m_cursor.get(),
            &CursorInterface::verticalScaleChanged, Qt::UniqueConnection);
    connect(this, &CursorsSystem::horizontalScaleChanged, m_cursor.get(),
            &CursorInterface::horizontalScaleChanged, Qt::UniqueConnection);
}

void CursorsSystem::emitScales()
{
    // Each emission comes back to setHorizontalScale, which may write the table meanwhile.
    const QVector<QPair<double, double>> scales = m_data.scales;
    for (int i = 0; i < scales.size(); ++i)
        emit horizontalScaleChanged(i, scales.at(i).first, scales.at(i).second);
}
