#pragma once

#include <QList>
#include <QMargins>
#include <QPair>
#include <QSize>
#include <QWidget>

class ValueMarker;

// A thin strip beside one edge of the plot that draws value markers at the places of their
// values and lets the user drag them. A horizontal strip maps values to x, a vertical one to y
// with larger values higher up. The strip only refers to its markers: their creators remove
// them (removeMarker) before destroying them.
class MarkerCollectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MarkerCollectionWidget(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~MarkerCollectionWidget() override;

    void addMarker(ValueMarker *marker);
    void removeMarker(ValueMarker *marker);
    void setMarkerEnabled(ValueMarker *marker, bool enabled);
    void setMargins(const QMargins &margins);
    void setValueSize(const QSize &size);
    void setIconSize(const QSize &size);
    QSize iconSize() const;
    // The markers shown now, in the order they were added; switched-off ones are not listed.
    QList<ValueMarker *> markers() const;

    // Value and pixel coordinate along the axis, margins taken into account. A scale with
    // equal ends or a strip without usable length maps every value to the scale's start.
    int positionScaled(ValueMarker *marker, double value) const;
    double fromPosition(ValueMarker *marker, int position) const;
    // Where the marker is drawn: at its value, or pinned half an icon inside the end of the
    // strip it lies beyond.
    int transformPosition(ValueMarker *marker) const;

    void calculateEps();
    void resizeArea();

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void markerValueChanged();
    void markerScaleChanged();
    void markerTextWidthChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void markerDestroyed(QObject *object);

private:
    int extent() const;
    int usableLength() const;
    int indexOf(const QObject *marker) const;
    void takeShownAt(int index);
    void updateEps(ValueMarker *marker) const;
    void updatePositions();
    int hitIndex(const QPoint &point, bool lastFirst) const;
    QRect drawRect(ValueMarker *marker, int coordinate, const QSize &pixmapSize) const;
    QSize frameSize(ValueMarker *marker) const;
    void redraw();
    void pressed(const QPoint &point);
    void moved(const QPoint &point);
    void released();
    void doubleClicked(const QPoint &point);

    Qt::Orientation m_orientation;
    QList<QPair<ValueMarker *, int>> m_markers;
    QList<ValueMarker *> m_hiddenMarkers;
    QSize m_valueSize = QSize(40, 20);
    QSize m_iconSize = QSize(20, 20);
    int m_dragOffset = 0;
    int m_dragIndex = -1;
    bool m_iconOnly = true;
    QMargins m_margins;
    // Markers announce their place from inside paintEvent and the plot answers with a replot;
    // a repaint asked for meanwhile waits for the next paint instead of recursing.
    bool m_painting = false;
};
