#pragma once

#include "orvexplotwidget_export.h"

#include <qwt_plot.h>

#include <QColor>
#include <QList>
#include <QSharedPointer>
#include <QSize>

class PlotPanner;
class QwtLegendLabel;
class QwtPlotCurve;

// The plot of every instrument view: a fixed grid, a checkable legend that shows at most a
// few curves at once, a canvas colour, curves that belong to the plot, and a panner that
// drags a picture rendered here in advance.
class ORVEXPLOTWIDGET_EXPORT OrvexPlotWidget : public QwtPlot
{
    Q_OBJECT
public:
    explicit OrvexPlotWidget(QWidget *parent = nullptr);
    ~OrvexPlotWidget() override;

    bool legendVisible() const;
    QColor backgroundColor() const;
    bool minorXGridLineVisible() const;
    bool minorYGridLineVisible() const;
    bool majorXGridLineVisible() const;
    bool majorYGridLineVisible() const;
    QwtPlot::LegendPosition legendPosition() const;
    PlotPanner *panner() const;

    int curveCount() const;
    QwtPlotCurve *curve(int index) const;

    QwtPlotCurve *addCurve(const QString &title);
    // Adds a curve made elsewhere (a kind of curve of a plot's own); the plot owns it.
    QwtPlotCurve *addCurve(QwtPlotCurve *curve);
    void removeCurve(int index);
    void clearCurves();

    bool eventFilter(QObject *object, QEvent *event) override;

public slots:
    void setLegendVisible(bool visible);
    void setBackgroundColor(const QColor &backgroundColor);
    void setLegendPosition(QwtPlot::LegendPosition position);
    void setMinorXGridLineVisible(bool visible);
    void setMinorYGridLineVisible(bool visible);
    void setMajorXGridLineVisible(bool visible);
    void setMajorYGridLineVisible(bool visible);
    void setFont(const QFont &font);
    void setLegendVisibleItemsCount(int count);

signals:
    void legendVisibleChanged(bool visible);
    void backgroundColorChanged(QColor backgroundColor);
    void minorXGridLineVisibleChanged(bool visible);
    void minorYGridLineVisibleChanged(bool visible);
    void majorXGridLineVisibleChanged(bool visible);
    void majorYGridLineVisibleChanged(bool visible);
    void legendSizeChanged(QSize size);

protected:
    void setLegendItemsEnable(bool enable);
    void drawPix();

private slots:
    void legendCheckedHandler(const QVariant &itemInfo, bool on, int);
    void legendUpdate();
    void drawLegend(bool visible);
    void drawBackground(const QColor &backgroundColor);
    void drawGrid();
    int legendVisibleItemsCount() const;

private:
    QwtLegendLabel *legendLabel(QwtPlotItem *item) const;
    QList<QwtLegendLabel *> curveLegendLabels() const;

    class OrvexPlotWidgetPrivate;
    QSharedPointer<OrvexPlotWidgetPrivate> d;
    QList<QwtLegendLabel *> checkedLabels;
    int m_legendVisibleItemsCount = 4;
};
