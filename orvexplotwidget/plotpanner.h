#pragma once

#include "orvexplotwidget_export.h"

#include <qwt_panner.h>

#include <QBitmap>
#include <QPixmap>
#include <QPoint>
#include <QScopedPointer>

class QwtPlot;

// Pans a plot by dragging a picture three canvases wide and high that the plot renders in
// advance, so the parts that scroll into view are already drawn while the mouse moves; the
// scales are shifted once, at the release, and the horizontal ones stay inside set bounds.
class ORVEXPLOTWIDGET_EXPORT PlotPanner : public QwtPanner
{
    Q_OBJECT
public:
    explicit PlotPanner(QWidget *canvas);
    ~PlotPanner() override;

    void setAxisEnabled(int axis, bool on);
    bool isAxisEnabled(int axis) const;

    void setPixmap(QPixmap pixmap);
    void setOffsets(double x, double y);
    void setBoundsX(double lower, double upper);
    bool isActive() const;

    void setMouseButton(Qt::MouseButton button);
    void getMouseButton(Qt::MouseButton &button) const;

    void movePlot(int dx, int dy);

    QWidget *canvas();
    const QWidget *canvas() const;
    QwtPlot *plot();
    const QwtPlot *plot() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void widgetMousePressEvent(QMouseEvent *event) override;
    void widgetMouseReleaseEvent(QMouseEvent *event) override;
    void widgetMouseMoveEvent(QMouseEvent *event) override;
    QBitmap contentsMask() const override;

protected slots:
    virtual void moveCanvas(int dx, int dy);

private:
    QPoint eventPosition(const QMouseEvent *event) const;

    class PlotPannerPrivate;
    QScopedPointer<PlotPannerPrivate> d;
};
