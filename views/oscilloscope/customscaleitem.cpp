#include "views/oscilloscope/customscaleitem.h"

#include <qwt_painter.h>
#include <qwt_scale_map.h>

#include <QPainter>
#include <QPen>

#include <cmath>

CustomScaleItem::CustomScaleItem(QwtScaleDraw::Alignment alignment)
{
    setAlignment(alignment);
    enableComponent(QwtAbstractScaleDraw::Labels, false);
    enableComponent(QwtAbstractScaleDraw::Backbone, false);
}

void CustomScaleItem::drawTick(QPainter *painter, double value, double len) const
{
    painter->setPen(QPen(QBrush(Qt::gray, Qt::SolidPattern), 1.0, Qt::SolidLine, Qt::SquareCap,
                         Qt::BevelJoin));
    if (len <= 0.0)
        return;

    const bool aligned = QwtPainter::roundingAlignment(painter);
    const auto align = [aligned](double v) { return aligned ? double(std::lround(v)) : v; };
    const double t = align(scaleMap().transform(value));
    const int pw = penWidth();
    const int a = pw > 1 && aligned ? 1 : 0;
    const QPointF origin = pos();

    switch (alignment()) {
    case LeftScale:
    case RightScale: {
        const double x1 = align(origin.x() + a - pw - len);
        const double x2 = align(origin.x() + pw + len);
        QwtPainter::drawLine(painter, x1, t, x2, t);
        break;
    }
    case BottomScale:
    case TopScale: {
        const double y1 = align(origin.y() + a - pw - len);
        const double y2 = align(origin.y() + pw + len);
        QwtPainter::drawLine(painter, t, y1, t, y2);
        break;
    }
    }
}
