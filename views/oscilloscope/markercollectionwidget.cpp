#include "views/oscilloscope/markercollectionwidget.h"

#include "views/oscilloscope/valuemarker.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Far outside any strip, yet a coordinate that qRound and the doubling for markers beyond an
// end still hold in an int.
constexpr double coordinateLimit = INT_MAX / 8;

// The narrowest room a strip gives value texts; a marker's range may ask for more.
const char widestValueText[] = "-00.00 dD";

QPoint roundedPoint(const QEvent *event)
{
    const QPointF local = static_cast<const QMouseEvent *>(event)->localPos();
    return QPoint(qRound(local.x()), qRound(local.y()));
}

} // namespace

MarkerCollectionWidget::MarkerCollectionWidget(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    if (orientation == Qt::Horizontal)
        setMinimumSize(100, 30);
    else
        setMinimumSize(30, 100);
    installEventFilter(this);
}

MarkerCollectionWidget::~MarkerCollectionWidget() = default;

void MarkerCollectionWidget::addMarker(ValueMarker *marker)
{
    if (!marker || indexOf(marker) >= 0)
        return;
    // A marker switched off and then added again is shown, not kept twice.
    m_hiddenMarkers.removeAll(marker);
    m_markers.append(qMakePair(marker, transformPosition(marker)));
    calculateEps();
    const int index = indexOf(marker);
    if (index >= 0)
        m_markers[index].second = transformPosition(marker);
    if (m_iconOnly != marker->iconOnly()) {
        m_iconOnly = m_iconOnly && marker->iconOnly();
        resizeArea();
    } else if (!marker->iconOnly()) {
        resizeArea(); // room for its widest text too
    }
    marker->setIconSize(m_iconSize);
    connect(marker, &ValueMarker::valueChanged, this, &MarkerCollectionWidget::markerValueChanged,
            Qt::UniqueConnection);
    connect(marker, &ValueMarker::scaleChanged, this, &MarkerCollectionWidget::markerScaleChanged,
            Qt::UniqueConnection);
    connect(marker, &ValueMarker::textWidthChanged, this,
            &MarkerCollectionWidget::markerTextWidthChanged, Qt::UniqueConnection);
    connect(marker, &QObject::destroyed, this, &MarkerCollectionWidget::markerDestroyed,
            Qt::UniqueConnection);
    redraw();
}

void MarkerCollectionWidget::removeMarker(ValueMarker *marker)
{
    const int index = indexOf(marker);
    if (index >= 0)
        takeShownAt(index);
    else
        m_hiddenMarkers.removeAll(marker);
}

void MarkerCollectionWidget::setMarkerEnabled(ValueMarker *marker, bool enabled)
{
    if (enabled) {
        if (m_hiddenMarkers.contains(marker)) {
            m_hiddenMarkers.removeAll(marker);
            addMarker(marker);
        }
        return;
    }
    const int index = indexOf(marker);
    if (index < 0)
        return;
    takeShownAt(index);
    m_hiddenMarkers.append(marker);
    redraw();
}

void MarkerCollectionWidget::setMargins(const QMargins &margins)
{
    m_margins = margins;
    updatePositions();
    redraw();
}

void MarkerCollectionWidget::setValueSize(const QSize &size)
{
    m_valueSize = size;
    resizeArea();
}

void MarkerCollectionWidget::setIconSize(const QSize &size)
{
    m_iconSize = size;
    resizeArea();
    for (const auto &entry : qAsConst(m_markers))
        entry.first->setIconSize(size);
    redraw();
}

QSize MarkerCollectionWidget::iconSize() const
{
    return m_iconSize;
}

QList<ValueMarker *> MarkerCollectionWidget::markers() const
{
    QList<ValueMarker *> shown;
    for (const auto &entry : m_markers)
        shown.append(entry.first);
    return shown;
}

int MarkerCollectionWidget::positionScaled(ValueMarker *marker, double value) const
{
    const auto scale = marker->scale();
    const int length = std::max(usableLength(), 0);
    double distance = 0.0;
    if (length > 0 && scale.second != scale.first)
        distance = std::abs(value - scale.first) * length / (scale.second - scale.first);
    if (!std::isfinite(distance))
        distance = 0.0;
    distance = qBound(-coordinateLimit, distance, coordinateLimit);
    if (m_orientation == Qt::Horizontal)
        return qRound(m_margins.left() + distance);
    return qRound(length - distance) + m_margins.top();
}

double MarkerCollectionWidget::fromPosition(ValueMarker *marker, int position) const
{
    const auto scale = marker->scale();
    const int length = usableLength();
    if (length <= 0)
        return scale.first;
    const double span = scale.second - scale.first;
    if (m_orientation == Qt::Horizontal)
        return scale.first + double(position - m_margins.left()) * span / length;
    return scale.first + double(length + m_margins.top() - position) * span / length;
}

int MarkerCollectionWidget::transformPosition(ValueMarker *marker) const
{
    const auto scale = marker->scale();
    switch (marker->position()) {
    case 1:
        return positionScaled(marker, scale.second - marker->eps());
    case 2:
        return positionScaled(marker, scale.first + marker->eps());
    default:
        return positionScaled(marker, marker->value());
    }
}

void MarkerCollectionWidget::calculateEps()
{
    for (const auto &entry : qAsConst(m_markers))
        updateEps(entry.first);
    redraw();
}

void MarkerCollectionWidget::resizeArea()
{
    if (m_iconOnly) {
        if (m_orientation == Qt::Horizontal)
            setMinimumHeight(int(m_iconSize.height() * 1.5));
        else
            setMinimumWidth(int(m_iconSize.width() * 1.5));
    } else {
        const QFontMetrics metrics(font());
        int valueWidth = metrics.horizontalAdvance(QLatin1String(widestValueText));
        for (const auto &entry : qAsConst(m_markers))
            valueWidth = std::max(valueWidth, entry.first->widestTextWidth());
        const int valueHeight = metrics.height();
        if (m_orientation == Qt::Horizontal)
            setMinimumSize(100, valueHeight + m_iconSize.height());
        else
            setFixedWidth(m_iconSize.width() + valueWidth);
    }
    updatePositions();
}

bool MarkerCollectionWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            pressed(roundedPoint(event));
            break;
        case QEvent::MouseMove:
            moved(roundedPoint(event));
            break;
        case QEvent::MouseButtonRelease:
            released();
            break;
        case QEvent::MouseButtonDblClick:
            doubleClicked(roundedPoint(event));
            break;
        case QEvent::Resize:
            calculateEps();
            updatePositions();
            redraw();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MarkerCollectionWidget::markerValueChanged()
{
    const int index = indexOf(sender());
    if (index < 0)
        return;
    m_markers[index].second = transformPosition(m_markers.at(index).first);
    redraw();
}

void MarkerCollectionWidget::markerScaleChanged()
{
    const int index = indexOf(sender());
    if (index < 0)
        return;
    ValueMarker *marker = m_markers.at(index).first;
    updateEps(marker);
    m_markers[index].second = transformPosition(marker);
    redraw();
}

void MarkerCollectionWidget::markerTextWidthChanged()
{
    // A shown marker with texts may now need more room than the strip gives.
    const int index = indexOf(sender());
    if (index < 0 || m_markers.at(index).first->iconOnly())
        return;
    resizeArea();
    redraw();
}

void MarkerCollectionWidget::paintEvent(QPaintEvent *)
{
    m_painting = true;
    if (m_dragIndex >= 0 && m_dragIndex < m_markers.size()) {
        m_markers.append(m_markers.takeAt(m_dragIndex));
        m_dragIndex = m_markers.size() - 1;
    }
    {
        QPainter painter(this);
        for (const auto &entry : qAsConst(m_markers)) {
            ValueMarker *marker = entry.first;
            marker->setFixedSize(frameSize(marker));
            const QPixmap pixmap = marker->frame()->grab();
            const qreal ratio = pixmap.devicePixelRatio();
            const QSize size(qRound(pixmap.width() / ratio), qRound(pixmap.height() / ratio));
            const QRect target = drawRect(marker, entry.second, size);
            if (target.isValid())
                painter.drawPixmap(target, pixmap);
        }
    }
    // The places go out once the picture is finished: receivers redraw the plot, and the
    // strip's painter must be closed by then. A receiver may change the list, so it is copied.
    const int half = extent() / 2;
    const auto shown = m_markers;
    for (const auto &entry : shown) {
        if (indexOf(entry.first) < 0)
            continue;
        const int coordinate = entry.second;
        double place = coordinate;
        if (entry.first->position() != 0)
            place = coordinate > half ? 2.0 * coordinate : -2.0 * coordinate;
        emit entry.first->positionChanged(place);
    }
    m_painting = false;
}

void MarkerCollectionWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        resizeArea();
    QWidget::changeEvent(event);
}

void MarkerCollectionWidget::markerDestroyed(QObject *object)
{
    // Only the address is compared: the marker part of the object is already gone.
    const int index = indexOf(object);
    if (index >= 0)
        takeShownAt(index);
    for (int i = m_hiddenMarkers.size() - 1; i >= 0; --i) {
        if (static_cast<const void *>(m_hiddenMarkers.at(i)) == static_cast<const void *>(object))
            m_hiddenMarkers.removeAt(i);
    }
}

int MarkerCollectionWidget::extent() const
{
    return m_orientation == Qt::Horizontal ? width() : height();
}

int MarkerCollectionWidget::usableLength() const
{
    if (m_orientation == Qt::Horizontal)
        return width() - m_margins.left() - m_margins.right();
    return height() - m_margins.top() - m_margins.bottom();
}

int MarkerCollectionWidget::indexOf(const QObject *marker) const
{
    const void *address = marker;
    for (int i = 0; i < m_markers.size(); ++i) {
        if (static_cast<const void *>(m_markers.at(i).first) == address)
            return i;
    }
    return -1;
}

void MarkerCollectionWidget::takeShownAt(int index)
{
    m_markers.removeAt(index);
    // The drag follows its marker: gone with it, or shifted with the entries behind it.
    if (index == m_dragIndex)
        m_dragIndex = -1;
    else if (index < m_dragIndex)
        --m_dragIndex;
}

void MarkerCollectionWidget::updateEps(ValueMarker *marker) const
{
    const int whole = extent();
    const int iconExtent =
            m_orientation == Qt::Horizontal ? m_iconSize.width() : m_iconSize.height();
    const auto scale = marker->scale();
    marker->setEps(whole > 0 ? (scale.second - scale.first) * 0.5 * iconExtent / whole : 0.0);
}

void MarkerCollectionWidget::updatePositions()
{
    for (auto &entry : m_markers)
        entry.second = transformPosition(entry.first);
}

int MarkerCollectionWidget::hitIndex(const QPoint &point, bool lastFirst) const
{
    const int count = m_markers.size();
    for (int step = 0; step < count; ++step) {
        const int i = lastFirst ? count - 1 - step : step;
        const auto &entry = m_markers.at(i);
        QRect area;
        if (m_orientation == Qt::Vertical) {
            const int h = std::max(m_valueSize.height(), m_iconSize.height());
            area = QRect(0, entry.second - h / 2, m_valueSize.width() + m_iconSize.width(), h);
        } else {
            const QSize frame = entry.first->frame()->size();
            area = QRect(entry.second - frame.width() / 2, 0, frame.width(), frame.height());
        }
        // Inside or on the border, the far edges included.
        if (QRectF(area).contains(QPointF(point)))
            return i;
    }
    return -1;
}

QRect MarkerCollectionWidget::drawRect(ValueMarker *marker, int coordinate,
                                       const QSize &pixmapSize) const
{
    const int pw = pixmapSize.width();
    const int ph = pixmapSize.height();
    const bool inside = marker->position() == 0;
    const Qt::Alignment align = marker->iconAlign();
    if (m_orientation == Qt::Horizontal) {
        const int x = coordinate - pw / 2;
        if (inside)
            return QRect(x, 0, pw, ph);
        // Beyond an end the icon goes to the strip's other edge and its text off the strip,
        // however tall the font makes the text.
        if (align == Qt::AlignBottom)
            return QRect(x, m_iconSize.height() - ph, pw, ph);
        if (align == Qt::AlignTop)
            return QRect(x, height() - m_iconSize.height(), pw, ph);
        return QRect();
    }
    const int y = coordinate - ph / 2;
    if (inside)
        return QRect(0, y, pw, ph);
    if (align == Qt::AlignLeft)
        return QRect(m_iconOnly ? width() - m_iconSize.width() : m_valueSize.width(), y, pw, ph);
    if (align == Qt::AlignRight)
        return QRect(m_iconOnly ? m_iconSize.width() - pw : -m_valueSize.width(), y, pw, ph);
    return QRect();
}

QSize MarkerCollectionWidget::frameSize(ValueMarker *marker) const
{
    if (m_orientation == Qt::Horizontal) {
        const int w = marker->iconOnly() ? m_iconSize.width()
                                         : std::max(m_valueSize.width(), m_iconSize.width());
        return QSize(w, height());
    }
    return QSize(width(), std::max(m_valueSize.height(), m_iconSize.height()));
}

void MarkerCollectionWidget::redraw()
{
    if (m_painting)
        update();
    else
        repaint();
}

void MarkerCollectionWidget::pressed(const QPoint &point)
{
    const int index = hitIndex(point, true);
    if (index < 0)
        return;
    const int coordinate = m_orientation == Qt::Horizontal ? point.x() : point.y();
    m_dragIndex = index;
    m_dragOffset = coordinate - m_markers.at(index).second;
}

void MarkerCollectionWidget::moved(const QPoint &point)
{
    if (m_dragIndex < 0 || m_dragIndex >= m_markers.size())
        return;
    ValueMarker *marker = m_markers.at(m_dragIndex).first;
    const auto scale = marker->scale();
    const double eps = marker->eps();
    switch (marker->position()) {
    case 1:
        marker->setValue(scale.second - 2.0 * eps);
        redraw();
        return;
    case 2:
        marker->setValue(scale.first + 2.0 * eps);
        redraw();
        return;
    default:
        break;
    }
    const int coordinate = m_orientation == Qt::Horizontal ? point.x() : point.y();
    marker->setValue(fromPosition(marker, coordinate - m_dragOffset));
    // A receiver of the new value may have taken the marker away, and with it the drag.
    if (m_dragIndex >= 0 && m_markers.at(m_dragIndex).first == marker && marker->position() != 0) {
        m_dragIndex = -1;
        emit marker->validateValue();
    }
    redraw();
}

void MarkerCollectionWidget::released()
{
    if (m_dragIndex < 0 || m_dragIndex >= m_markers.size()) {
        m_dragIndex = -1;
        return;
    }
    ValueMarker *marker = m_markers.at(m_dragIndex).first;
    m_dragIndex = -1;
    emit marker->validateValue();
}

void MarkerCollectionWidget::doubleClicked(const QPoint &point)
{
    const int index = hitIndex(point, false);
    if (index >= 0)
        emit m_markers.at(index).first->doubleClicked();
}
