#include "orvexplotwidget/orvexplotwidget.h"

#include "orvexplotwidget/plotpanner.h"

#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_map.h>
#include <qwt_text.h>

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>

#include <cmath>

namespace {

const char canvasStyleSheet[] = "QWidget { background-color: %1; border: 1px solid #dbdbdb; }";
const char enabledLabelStyleSheet[] = "QwtLegendLabel{color:rgba(0, 0, 0, 1);}";
const char disabledLabelStyleSheet[] = "QwtLegendLabel{color:rgba(0, 0, 0, 0.54);}";

constexpr int defaultLegendVisibleItemsCount = 4;
constexpr int maxMajorSteps = 5;
constexpr int maxMinorSteps = 2;
// The pre-rendered picture is this many canvases wide and high, the canvas in its middle.
constexpr int pictureScale = 3;

} // namespace

class OrvexPlotWidget::OrvexPlotWidgetPrivate
{
public:
    virtual ~OrvexPlotWidgetPrivate() = default;

    bool legendVisible = false;
    QwtLegend *legend = nullptr;
    QwtScaleMap xMap;
    QwtScaleMap yMap;
    QwtPlotGrid grid;
    QwtPlot::LegendPosition legendPosition = QwtPlot::BottomLegend;
    PlotPanner *panner = nullptr;
    QColor backgroundColor = Qt::white;
    bool minorXGridLineVisible = true;
    bool minorYGridLineVisible = true;
    bool majorXGridLineVisible = true;
    bool majorYGridLineVisible = true;
    QList<QwtPlotCurve *> curves;
};

OrvexPlotWidget::OrvexPlotWidget(QWidget *parent)
    : QwtPlot(parent)
    , d(new OrvexPlotWidgetPrivate)
{
    d->panner = new PlotPanner(canvas());
    d->grid.attach(this);
    d->panner->setMouseButton(Qt::LeftButton);

    connect(this, &OrvexPlotWidget::legendVisibleChanged, this, &OrvexPlotWidget::drawLegend,
            Qt::UniqueConnection);
    connect(this, &OrvexPlotWidget::backgroundColorChanged, this, &OrvexPlotWidget::drawBackground,
            Qt::UniqueConnection);
    connect(this, &OrvexPlotWidget::minorXGridLineVisibleChanged, this, &OrvexPlotWidget::drawGrid,
            Qt::UniqueConnection);
    connect(this, &OrvexPlotWidget::minorYGridLineVisibleChanged, this, &OrvexPlotWidget::drawGrid,
            Qt::UniqueConnection);
    connect(this, &OrvexPlotWidget::majorXGridLineVisibleChanged, this, &OrvexPlotWidget::drawGrid,
            Qt::UniqueConnection);
    connect(this, &OrvexPlotWidget::majorYGridLineVisibleChanged, this, &OrvexPlotWidget::drawGrid,
            Qt::UniqueConnection);

    drawLegend(d->legendVisible);
    drawBackground(d->backgroundColor);
    drawGrid();
    setFont(QFont());
    m_legendVisibleItemsCount = defaultLegendVisibleItemsCount;
}

OrvexPlotWidget::~OrvexPlotWidget()
{
    // The grid is a member of the private record and must leave the plot before the plot's
    // own destructor deletes the items still attached to it.
    checkedLabels.clear();
    d.reset();
}

bool OrvexPlotWidget::legendVisible() const
{
    return d->legendVisible;
}

QColor OrvexPlotWidget::backgroundColor() const
{
    return d->backgroundColor;
}

bool OrvexPlotWidget::minorXGridLineVisible() const
{
    return d->minorXGridLineVisible;
}

bool OrvexPlotWidget::minorYGridLineVisible() const
{
    return d->minorYGridLineVisible;
}

bool OrvexPlotWidget::majorXGridLineVisible() const
{
    return d->majorXGridLineVisible;
}

bool OrvexPlotWidget::majorYGridLineVisible() const
{
    return d->majorYGridLineVisible;
}

QwtPlot::LegendPosition OrvexPlotWidget::legendPosition() const
{
    return d->legendPosition;
}

PlotPanner *OrvexPlotWidget::panner() const
{
    return d->panner;
}

int OrvexPlotWidget::curveCount() const
{
    return d->curves.size();
}

QwtPlotCurve *OrvexPlotWidget::curve(int index) const
{
    if (index < 0 || index >= d->curves.size())
        return nullptr;
    return d->curves.at(index);
}

int OrvexPlotWidget::legendVisibleItemsCount() const
{
    return m_legendVisibleItemsCount;
}

void OrvexPlotWidget::setLegendVisible(bool visible)
{
    if (d->legendVisible == visible)
        return;
    d->legendVisible = visible;
    emit legendVisibleChanged(visible);
}

void OrvexPlotWidget::setBackgroundColor(const QColor &backgroundColor)
{
    if (d->backgroundColor == backgroundColor)
        return;
    d->backgroundColor = backgroundColor;
    emit backgroundColorChanged(backgroundColor);
}

void OrvexPlotWidget::setLegendPosition(QwtPlot::LegendPosition position)
{
    if (d->legendPosition == position)
        return;
    d->legendPosition = position;
}

void OrvexPlotWidget::setMinorXGridLineVisible(bool visible)
{
    if (d->minorXGridLineVisible == visible)
        return;
    d->minorXGridLineVisible = visible;
    emit minorXGridLineVisibleChanged(visible);
}

void OrvexPlotWidget::setMinorYGridLineVisible(bool visible)
{
    if (d->minorYGridLineVisible == visible)
        return;
    d->minorYGridLineVisible = visible;
    emit minorYGridLineVisibleChanged(visible);
}

void OrvexPlotWidget::setMajorXGridLineVisible(bool visible)
{
    if (d->majorXGridLineVisible == visible)
        return;
    d->majorXGridLineVisible = visible;
    emit majorXGridLineVisibleChanged(visible);
}

void OrvexPlotWidget::setMajorYGridLineVisible(bool visible)
{
    if (d->majorYGridLineVisible == visible)
        return;
    d->majorYGridLineVisible = visible;
    emit majorYGridLineVisibleChanged(visible);
}

void OrvexPlotWidget::setLegendVisibleItemsCount(int count)
{
    if (m_legendVisibleItemsCount == count)
        return;
    m_legendVisibleItemsCount = count;
}

void OrvexPlotWidget::setFont(const QFont &font)
{
    QWidget::setFont(font);
    setAxisFont(QwtPlot::xBottom, font);
    setAxisFont(QwtPlot::yLeft, font);
    for (const int axis : {int(QwtPlot::xBottom), int(QwtPlot::yLeft)}) {
        QwtText title = axisTitle(axis);
        title.setFont(font);
        setAxisTitle(axis, title);
    }
    if (d->legend) {
        for (QwtLegendLabel *label : curveLegendLabels())
            label->setFont(font);
    }
}

QwtLegendLabel *OrvexPlotWidget::legendLabel(QwtPlotItem *item) const
{
    if (!d->legend || !item)
        return nullptr;
    return qobject_cast<QwtLegendLabel *>(d->legend->legendWidget(itemToInfo(item)));
}

QList<QwtLegendLabel *> OrvexPlotWidget::curveLegendLabels() const
{
    QList<QwtLegendLabel *> labels;
    const QwtPlotItemList items = itemList(QwtPlotItem::Rtti_PlotCurve);
    for (QwtPlotItem *item : items) {
        if (QwtLegendLabel *label = legendLabel(item))
            labels.append(label);
    }
    return labels;
}

void OrvexPlotWidget::drawGrid()
{
    d->grid.enableX(d->majorXGridLineVisible);
    d->grid.enableY(d->majorYGridLineVisible);
    d->grid.enableXMin(d->minorXGridLineVisible);
    d->grid.enableYMin(d->minorYGridLineVisible);

    const QBrush brush(Qt::gray, Qt::SolidPattern);
    d->grid.setMajorPen(QPen(brush, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    d->grid.setMinorPen(QPen(brush, 0.0, Qt::DashLine, Qt::SquareCap, Qt::BevelJoin));

    setAxisMaxMajor(QwtPlot::xBottom, maxMajorSteps);
    setAxisMaxMajor(QwtPlot::yLeft, maxMajorSteps);
    setAxisMaxMinor(QwtPlot::xBottom, maxMinorSteps);
    setAxisMaxMinor(QwtPlot::yLeft, maxMinorSteps);
}

void OrvexPlotWidget::drawBackground(const QColor &backgroundColor)
{
    canvas()->setStyleSheet(
            QString::fromLatin1(canvasStyleSheet).arg(backgroundColor.name(), 0, QLatin1Char(' ')));
    replot();
}

void OrvexPlotWidget::drawLegend(bool visible)
{
    if (visible) {
        d->legend = new QwtLegend(this);
        d->legend->setDefaultItemMode(QwtLegendData::Checkable);
        connect(d->legend, &QwtLegend::checked, this, &OrvexPlotWidget::legendCheckedHandler,
                Qt::UniqueConnection);
        insertLegend(d->legend, d->legendPosition, -1.0);
        legendUpdate();
        return;
    }

    if (d->legend)
        disconnect(d->legend, &QwtLegend::checked, this, &OrvexPlotWidget::legendCheckedHandler);
    insertLegend(nullptr, d->legendPosition, -1.0);
    d->legend = nullptr;
    // The labels went with the legend.
    checkedLabels.clear();
}

void OrvexPlotWidget::legendUpdate()
{
    if (!d->legend || !d->legendVisible)
        return;

    replot();
    checkedLabels.clear();
    for (QwtLegendLabel *label : curveLegendLabels()) {
        if (checkedLabels.size() < m_legendVisibleItemsCount && !checkedLabels.contains(label)) {
            checkedLabels.append(label);
            label->setChecked(true);
        }
        label->setFont(font());
    }
    if (checkedLabels.size() >= m_legendVisibleItemsCount)
        setLegendItemsEnable(false);
}

void OrvexPlotWidget::setLegendItemsEnable(bool enable)
{
    for (QwtLegendLabel *label : curveLegendLabels()) {
        if (enable) {
            label->setEnabled(true);
            label->setStyleSheet(QString::fromLatin1(enabledLabelStyleSheet));
        } else if (!checkedLabels.contains(label)) {
            label->setEnabled(false);
            label->setStyleSheet(QString::fromLatin1(disabledLabelStyleSheet));
        }
    }
}

void OrvexPlotWidget::legendCheckedHandler(const QVariant &itemInfo, bool on, int)
{
    QwtPlotItem *item = infoToItem(itemInfo);
    if (!item)
        return;

    if (QwtLegendLabel *label = legendLabel(item)) {
        if (on) {
            if (!checkedLabels.contains(label))
                checkedLabels.append(label);
            if (checkedLabels.size() >= m_legendVisibleItemsCount)
                setLegendItemsEnable(false);
        } else {
            checkedLabels.removeAll(label);
            if (checkedLabels.size() < m_legendVisibleItemsCount)
                setLegendItemsEnable(true);
        }
    }
    item->setVisible(on);
    replot();
}

QwtPlotCurve *OrvexPlotWidget::addCurve(const QString &title)
{
    return addCurve(new QwtPlotCurve(title));
}

QwtPlotCurve *OrvexPlotWidget::addCurve(QwtPlotCurve *curve)
{
    if (!curve)
        return nullptr;
    curve->attach(this);
    legendUpdate();
    d->curves.append(curve);
    if (d->curves.size() > m_legendVisibleItemsCount && curve->isVisible())
        curve->setVisible(false);
    return curve;
}

void OrvexPlotWidget::removeCurve(int index)
{
    if (index < 0 || index >= d->curves.size())
        return;

    QwtPlotCurve *curve = d->curves.takeAt(index);
    // The label dies with the curve; keeping it would count a curve that is gone against the
    // limit and leave the remaining labels disabled.
    if (QwtLegendLabel *label = legendLabel(curve))
        checkedLabels.removeAll(label);
    curve->detach();
    delete curve;

    if (d->legend && checkedLabels.size() < m_legendVisibleItemsCount)
        setLegendItemsEnable(true);
}

void OrvexPlotWidget::clearCurves()
{
    for (QwtPlotCurve *curve : qAsConst(d->curves)) {
        curve->detach();
        delete curve;
    }
    d->curves.clear();
    checkedLabels.clear();
}

void OrvexPlotWidget::drawPix()
{
    const QwtScaleMap bottomMap = canvasMap(QwtPlot::xBottom);
    const QwtScaleMap leftMap = canvasMap(QwtPlot::yLeft);
    const double px = std::abs(bottomMap.p2() - bottomMap.p1());
    const double py = std::abs(leftMap.p2() - leftMap.p1());
    const double sx = std::abs(bottomMap.s2() - bottomMap.s1());
    const double sy = std::abs(leftMap.s2() - leftMap.s1());

    const int w = canvas()->width();
    const int h = canvas()->height();
    d->panner->setOffsets(w, h);

    // Without pixels or without a scale range there is nothing to widen or to draw.
    if (w <= 0 || h <= 0 || px <= 0.0 || py <= 0.0 || sx <= 0.0 || sy <= 0.0)
        return;

    const int pw = pictureScale * w;
    const int ph = pictureScale * h;
    QPixmap picture(pw, ph);
    picture.fill(d->backgroundColor);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);

    const double ex = (pw - px) * sx / (2 * px);
    const double xMin = bottomMap.s1() - ex;
    const double xMax = bottomMap.s2() + ex;
    d->xMap.setScaleInterval(xMin, xMax);
    d->xMap.setPaintInterval(0, pw);

    const double ey = (ph - py) * sy / (2 * py);
    const double yMin = leftMap.s1() - ey;
    const double yMax = leftMap.s2() + ey;
    d->yMap.setScaleInterval(yMin, yMax);
    d->yMap.setPaintInterval(ph, 0);

    const QRectF area(0, 0, pw + 1, ph + 1);
    for (QwtPlotCurve *curve : qAsConst(d->curves)) {
        if (curve->isVisible())
            curve->drawSeries(&painter, d->xMap, d->yMap, area, 0, -1);
    }

    d->grid.setYDiv(
            axisScaleEngine(QwtPlot::yLeft)
                    ->divideScale(yMin, yMax, pictureScale * axisMaxMajor(QwtPlot::yLeft) + 2,
                                  axisMaxMinor(QwtPlot::yLeft), axisStepSize(QwtPlot::yLeft)));
    d->grid.setXDiv(
            axisScaleEngine(QwtPlot::xBottom)
                    ->divideScale(xMin, xMax, pictureScale * axisMaxMajor(QwtPlot::xBottom) + 2,
                                  axisMaxMinor(QwtPlot::xBottom), axisStepSize(QwtPlot::xBottom)));

    painter.setRenderHint(QPainter::Antialiasing, false);
    d->grid.draw(&painter, d->xMap, d->yMap, area);
    painter.end();

    d->panner->setPixmap(picture);
}

bool OrvexPlotWidget::eventFilter(QObject *object, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        Qt::MouseButton button = Qt::NoButton;
        d->panner->getMouseButton(button);
        if (static_cast<QMouseEvent *>(event)->button() == button && d->panner->isEnabled())
            drawPix();
        return QwtPlot::eventFilter(object, event);
    }
    case QEvent::Resize: {
        QwtPlot::eventFilter(object, event);
        d->panner->resize(static_cast<QResizeEvent *>(event)->size());
        d->panner->setOffsets(canvas()->width(), canvas()->height());
        if (d->panner->isActive())
            drawPix();
        QSize legendSize(0, 0);
        if (d->legendVisible && d->legend && d->legendPosition == QwtPlot::RightLegend)
            legendSize = d->legend->size();
        emit legendSizeChanged(legendSize);
        return true;
    }
    default:
        return QwtPlot::eventFilter(object, event);
    }
}
