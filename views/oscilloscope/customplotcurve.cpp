#include "views/oscilloscope/customplotcurve.h"

#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_point_mapper.h>

#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QVector>

#include <algorithm>

namespace {

// Qwt draws a long polyline on the raster engine in pieces of this many segments, each with
// its own square ends.
constexpr int qwtPieceSegments = 6;

// Only where the pieces give Qwt's picture: rounded points, no antialiasing, a solid pen wider
// than a pixel with square ends and bevelled joints, no fill.
bool drawsInPieces(const QPainter *painter, const QwtPlotCurve &curve)
{
    const QPaintEngine *engine = painter->paintEngine();
    const QPen &pen = painter->pen();
    return engine && engine->type() == QPaintEngine::Raster
            && QwtPainter::roundingAlignment(const_cast<QPainter *>(painter))
            && !painter->testRenderHint(QPainter::Antialiasing)
            && painter->transform().type() <= QTransform::TxTranslate
            && pen.style() == Qt::SolidLine && !pen.isCosmetic() && pen.widthF() > 1.0
            && pen.capStyle() == Qt::SquareCap && pen.joinStyle() == Qt::BevelJoin
            && curve.brush().style() == Qt::NoBrush
            && !curve.testCurveAttribute(QwtPlotCurve::Fitted);
}

// The square end of a polyline at end, coming from towards: a flat line half the pen wide.
void appendSquareEnd(const QPointF &end, const QPointF &towards, double half,
                     QVector<QLineF> &lines)
{
    const QPointF d = end - towards;
    const double length = QLineF(towards, end).length();
    if (!(length > 0.0))
        return;
    lines.append(QLineF(end, end + d * (half / length)));
}

} // namespace

void CustomPlotCurve::drawLines(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                                const QRectF &canvasRect, int from, int to) const
{
    if (from > to || !drawsInPieces(painter, *this)) {
        QwtPlotCurve::drawLines(painter, xMap, yMap, canvasRect, from, to);
        return;
    }

    // The polyline exactly as Qwt builds it.
    QwtPointMapper mapper;
    mapper.setFlag(QwtPointMapper::RoundPoints, true);
    mapper.setFlag(QwtPointMapper::WeedOutPoints, testPaintAttribute(FilterPoints));
    mapper.setBoundingRect(canvasRect);
    QPolygonF polyline = mapper.toPolygonF(xMap, yMap, data(), from, to);
    if (testPaintAttribute(ClipPolygons)) {
        const qreal pw = std::max(qreal(1.0), painter->pen().widthF());
        polyline = QwtClipper::clipPolygonF(canvasRect.adjusted(-pw, -pw, pw, pw), polyline, false);
    }
    const int n = polyline.size();
    if (n < 2) {
        QwtPainter::drawPolyline(painter, polyline);
        return;
    }

    const int piece = QwtPainter::polylineSplitting() ? qwtPieceSegments : n - 1;
    const double half = painter->pen().widthF() / 2.0;
    QVector<QLineF> lines;
    lines.reserve(n + 2 * (n / piece + 1));
    for (int i = 0; i + 1 < n; i += piece) {
        const int last = std::min(i + piece, n - 1);
        for (int k = i; k < last; ++k)
            lines.append(QLineF(polyline.at(k), polyline.at(k + 1)));
        appendSquareEnd(polyline.at(i), polyline.at(i + 1), half, lines);
        appendSquareEnd(polyline.at(last), polyline.at(last - 1), half, lines);
    }

    painter->save();
    QPen pen = painter->pen();
    pen.setCapStyle(Qt::FlatCap);
    painter->setPen(pen);
    painter->drawLines(lines);
    painter->restore();
}
