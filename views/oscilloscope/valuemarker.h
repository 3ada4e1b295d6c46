#pragma once

#include <QObject>
#include <QPair>
#include <QSize>
#include <QString>

#include <memory>

class QFrame;
class QLabel;

// The text a marker shows for a value: three decimals with the unit above 0.1 in magnitude,
// otherwise thousandths with the milli prefix; a positive value gets a leading blank so that
// signed and unsigned texts line up.
QString valueMarkerText(double value, const QString &dimension);

// One draggable mark beside the plot: the trigger level, the trigger time, a channel offset or
// a cursor position. It is not a visible widget: it keeps the value, the range the value may
// take and the scale the strip currently shows, and builds a small frame (icon and value text)
// that a MarkerCollectionWidget grabs and paints. Whoever creates a marker owns it and takes
// it off its strip before destroying it.
class ValueMarker : public QObject
{
    Q_OBJECT
public:
    ValueMarker(Qt::Orientation orientation, Qt::Alignment iconAlign, const QString &iconPath);
    ~ValueMarker() override;

    QFrame *frame() const;

    double value() const;
    // Values outside the range are clamped into it; a value that is not a number is ignored.
    void setRange(double minimum, double maximum);
    void setScale(double minimum, double maximum);
    QPair<double, double> scale() const;
    void setEps(double eps);
    double eps() const;

    // 0 inside the scale, 1 beyond its upper end, 2 beyond its lower end (eps counts as beyond).
    int position() const;

    void setIconOnly(bool iconOnly);
    bool iconOnly() const;
    Qt::Alignment iconAlign() const;

    // Never narrower than the icon and the widest text beside or below it.
    void setFixedSize(const QSize &size);
    // The width of the widest text the range and the dimension can give in the value label's
    // font; 0 for an icon-only marker.
    int widestTextWidth() const;
    void setDimension(const QString &dimension);
    void setIconSize(const QSize &size);
    void setIconPath(const QString &iconPath);
    void setBackgroundColor(const QString &color);

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);
    // Sent by the strip on every paint: the pixel coordinate along the strip, or a coordinate
    // outside the strip while the marker is beyond an end of the scale.
    void positionChanged(double value);
    void scaleChanged();
    // The range or the dimension changed, and with them the widest text it may show.
    void textWidthChanged();
    void validateValue();
    void doubleClicked();

private:
    void updateText(double value);
    void renderIcon(int side);

    double m_value = 0.0;
    QLabel *m_valueLabel = nullptr;
    QLabel *m_iconLabel = nullptr;
    QString m_dimension;
    std::unique_ptr<QFrame> m_frame;
    Qt::Alignment m_iconAlign;
    bool m_iconOnly = false;
    QString m_iconPath;
    Qt::Orientation m_orientation;
    double m_rangeMinimum = -100.0;
    double m_rangeMaximum = 100.0;
    double m_scaleMinimum = -1.0;
    double m_scaleMaximum = 1.0;
    double m_eps = 0.05;
};
