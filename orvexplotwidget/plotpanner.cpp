#include "orvexplotwidget/plotpanner.h"

#include <qwt_painter.h>
#include <qwt_plot.h>
#include <qwt_scale_div.h>
#include <qwt_scale_map.h>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int axisCount = QwtPlot::axisCnt;

bool isHorizontalAxis(int axis)
{
    return axis == QwtPlot::xBottom || axis == QwtPlot::xTop;
}

// The picture may only show through inside the canvas's border, or its rounded corners and
// frame would be painted over while dragging.
QBitmap borderMask(const QWidget *canvas, const QSize &size)
{
    if (size.isEmpty())
        return QBitmap();
    const QRect area(QPoint(0, 0), size);

    QPainterPath path;
    QMetaObject::invokeMethod(const_cast<QWidget *>(canvas), "borderPath", Qt::DirectConnection,
                              Q_RETURN_ARG(QPainterPath, path), Q_ARG(QRect, area));

    if (path.isEmpty()) {
        if (canvas->contentsRect() == canvas->rect())
            return QBitmap();
        QBitmap contents(size);
        contents.fill(Qt::color0);
        QPainter painter(&contents);
        painter.fillRect(canvas->contentsRect(), Qt::color1);
        return contents;
    }

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::color0);
    QPainter painter(&image);
    painter.setClipPath(path);
    painter.fillRect(area, Qt::color1);

    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    if (canvas->testAttribute(Qt::WA_StyledBackground)) {
        QStyleOptionFrame option;
        option.initFrom(canvas);
        option.rect = area;
        canvas->style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, canvas);
    } else {
        const double radius = canvas->property("borderRadius").toDouble();
        const int frameWidth = canvas->property("frameWidth").toInt();
        if (radius > 0.0 && frameWidth > 0) {
            painter.setPen(QPen(Qt::color1, frameWidth));
            painter.setBrush(Qt::NoBrush);
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawPath(path);
        }
    }
    painter.end();

    return QBitmap::fromImage(
            image.createMaskFromColor(QColor(Qt::color1).rgb(), Qt::MaskOutColor));
}

} // namespace

class PlotPanner::PlotPannerPrivate
{
public:
    std::array<bool, axisCount> axisEnabled {{true, true, true, true}};
    QPoint pressPoint;
    QPoint dragPoint;
    // The plot sets the offsets at every resize and rendering; until then nothing is shown,
    // and nothing bounds the horizontal scale.
    double offsetX = 0.0;
    double offsetY = 0.0;
    double upperBoundX = std::numeric_limits<double>::infinity();
    double lowerBoundX = -std::numeric_limits<double>::infinity();
    QPixmap pixmap;
    QBitmap mask;
    bool active = false;
    Qt::MouseButton mouseButton = Qt::RightButton;
};

PlotPanner::PlotPanner(QWidget *canvas)
    : QwtPanner(canvas)
    , d(new PlotPannerPrivate)
{
    connect(this, &QwtPanner::panned, this, &PlotPanner::moveCanvas);
}

PlotPanner::~PlotPanner() = default;

void PlotPanner::setAxisEnabled(int axis, bool on)
{
    if (axis >= 0 && axis < axisCount)
        d->axisEnabled[axis] = on;
}

bool PlotPanner::isAxisEnabled(int axis) const
{
    if (axis >= 0 && axis < axisCount)
        return d->axisEnabled[axis];
    return true;
}

void PlotPanner::setPixmap(QPixmap pixmap)
{
    d->pixmap = pixmap;
}

void PlotPanner::setOffsets(double x, double y)
{
    d->offsetX = x;
    d->offsetY = y;
}

void PlotPanner::setBoundsX(double lower, double upper)
{
    d->lowerBoundX = lower;
    d->upperBoundX = upper;
}

bool PlotPanner::isActive() const
{
    return d->active;
}

void PlotPanner::setMouseButton(Qt::MouseButton button)
{
    d->mouseButton = button;
    QwtPanner::setMouseButton(button);
}

void PlotPanner::getMouseButton(Qt::MouseButton &button) const
{
    button = d->mouseButton;
}

void PlotPanner::movePlot(int dx, int dy)
{
    emit panned(dx, dy);
}

QWidget *PlotPanner::canvas()
{
    return parentWidget();
}

const QWidget *PlotPanner::canvas() const
{
    return parentWidget();
}

QwtPlot *PlotPanner::plot()
{
    QWidget *w = canvas();
    return w ? qobject_cast<QwtPlot *>(w->parentWidget()) : nullptr;
}

const QwtPlot *PlotPanner::plot() const
{
    const QWidget *w = canvas();
    return w ? qobject_cast<const QwtPlot *>(w->parentWidget()) : nullptr;
}

QBitmap PlotPanner::contentsMask() const
{
    if (const QWidget *w = canvas())
        return borderMask(w, size());
    return QwtPanner::contentsMask();
}

QPoint PlotPanner::eventPosition(const QMouseEvent *event) const
{
    const QPointF local = event->localPos();
    QPoint pos(qRound(local.x()), qRound(local.y()));
    if (!isOrientationEnabled(Qt::Horizontal))
        pos.setX(d->pressPoint.x());
    if (!isOrientationEnabled(Qt::Vertical))
        pos.setY(d->pressPoint.y());
    return pos;
}

void PlotPanner::widgetMousePressEvent(QMouseEvent *event)
{
    if (event->button() != d->mouseButton)
        return;
    QWidget *w = canvas();
    if (!w)
        return;

    d->active = true;
    const QPointF local = event->localPos();
    d->pressPoint = QPoint(qRound(local.x()), qRound(local.y()));
    d->dragPoint = d->pressPoint;

    setGeometry(0, 0, w->width(), w->height());
    d->mask = contentsMask();

    w->setCursor(Qt::ClosedHandCursor);
    show();
}

void PlotPanner::widgetMouseMoveEvent(QMouseEvent *event)
{
    if (!isVisible())
        return;
    const QPoint pos = eventPosition(event);
    if (pos != d->dragPoint && rect().contains(pos)) {
        d->dragPoint = pos;
        update();
        emit moved(d->dragPoint.x() - d->pressPoint.x(), d->dragPoint.y() - d->pressPoint.y());
    }
}

void PlotPanner::widgetMouseReleaseEvent(QMouseEvent *event)
{
    if (!isVisible())
        return;
    if (QWidget *w = canvas())
        w->setCursor(Qt::ArrowCursor);
    hide();

    const QPoint pos = eventPosition(event);
    d->pixmap = QPixmap();
    d->mask = QBitmap();
    d->dragPoint = pos;

    if (d->dragPoint != d->pressPoint)
        emit panned(d->dragPoint.x() - d->pressPoint.x(), d->dragPoint.y() - d->pressPoint.y());
    d->active = false;
}

void PlotPanner::paintEvent(QPaintEvent *event)
{
    QWidget *w = canvas();
    const int width = int(d->offsetX);
    const int height = int(d->offsetY);
    if (!w || width <= 0 || height <= 0)
        return;

    d->mask = borderMask(w, w->size());

    const int dx = d->dragPoint.x() - d->pressPoint.x();
    const int dy = d->dragPoint.y() - d->pressPoint.y();
    const int hw = (d->pixmap.width() - 1) / 2;
    const int hh = (d->pixmap.height() - 1) / 2;
    const int x = int((hw + dx) - d->offsetX) - hw;
    const int y = int((hh + dy) - d->offsetY) - hh;

    // The canvas's own background, frame included, with the picture clipped to the inside of
    // the frame: masking the result instead would leave the frame's pixels to the canvas,
    // which does not paint while the panner covers it, and the frame would vanish mid-drag.
    QPixmap visible(width, height);
    QwtPainter::fillPixmap(w, visible);
    {
        QPainter painter(&visible);
        if (!d->mask.isNull())
            painter.setClipRegion(QRegion(d->mask));
        painter.drawPixmap(x, y, d->pixmap);
    }

    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, visible);
}

void PlotPanner::moveCanvas(int dx, int dy)
{
    QwtPlot *p = plot();
    if ((dx == 0 && dy == 0) || !p)
        return;

    const bool autoReplot = p->autoReplot();
    p->setAutoReplot(false);

    for (int axis = 0; axis < axisCount; ++axis) {
        if (!d->axisEnabled[axis])
            continue;
        const QwtScaleMap map = p->canvasMap(axis);
        // A canvas without extent has no pixels to convert the drag by.
        if (map.p1() == map.p2())
            continue;
        const QwtScaleDiv &div = p->axisScaleDiv(axis);
        const double p1 = map.transform(div.lowerBound());
        const double p2 = map.transform(div.upperBound());
        const int delta = isHorizontalAxis(axis) ? dx : dy;
        double d1 = map.invTransform(p1 - delta);
        double d2 = map.invTransform(p2 - delta);

        if (isHorizontalAxis(axis)) {
            const double width = d2 - d1;
            if (d1 < d->lowerBoundX) {
                d1 = d->lowerBoundX;
                d2 = d->lowerBoundX + width;
            }
            if (d2 > d->upperBoundX) {
                d2 = d->upperBoundX;
                d1 = d->upperBoundX - width;
            }
        }
        if (!std::isfinite(d1) || !std::isfinite(d2))
            continue;
        p->setAxisScale(axis, d1, d2, 0);
    }

    p->setAutoReplot(autoReplot);
    p->replot();
}
