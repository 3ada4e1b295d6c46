#pragma once

#include <QSlider>

#include <memory>

class RangeSliderPrivate;

// A two-handle slider whose span, a lower and an upper value, is set and reported in user units
// (volts, for instance) and labelled with the value and its unit. The slider itself works on
// integer steps of a given precision. The span may reach half its width beyond either end of the
// scale, so that its middle reaches both ends. A link icon on the span links the handles, which
// then move symmetrically about the middle; in span mode the whole span is dragged as one piece.
class RangeSlider : public QSlider
{
    Q_OBJECT
public:
    enum HandleMovementMode {
        NoHandleMovement = 0, // the handles do not follow the mouse
        CappedMovement = 1, // a handle stops at the other one
        LinkableMovement = 2, // capped, or symmetric about the middle while linked
    };
    Q_ENUM(HandleMovementMode)

    enum DisplayMode {
        SpanMode = 0, // the whole span is dragged
        HandlesMode = 1, // each handle is dragged on its own
    };
    Q_ENUM(DisplayMode)

    explicit RangeSlider(QWidget *parent = nullptr);
    RangeSlider(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~RangeSlider() override;

    double lowerValue() const;
    double upperValue() const;
    double minimumValue() const;
    double maximumValue() const;
    // In slider steps, ordered.
    int internalLowerValue() const;
    int internalUpperValue() const;

    HandleMovementMode handleMovementMode() const;
    void setHandleMovementMode(HandleMovementMode mode);
    void setDisplayMode(DisplayMode mode);

    QSize sizeHint() const override;

public slots:
    // The ends of the scale in user units.
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    // User units per slider step times 100.
    void setPrecission(double precission);
    void setDimension(QString dimension);
    void setSpanValue(double lower, double upper);

    // In slider steps.
    void setSpan(int lower, int upper);
    void setInternalLowerValue(int lower);
    void setInternalUpperValue(int upper);
    void setLowerPosition(int lower);
    void setUpperPosition(int upper);

signals:
    void spanChanged(double lower, double upper);
    void lowerValueChanged(double lower);
    void upperValueChanged(double upper);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    friend class RangeSliderPrivate;
    friend class TestRangeSlider;

    void applyApplicationStyleSheet();

    std::unique_ptr<RangeSliderPrivate> d;
    bool m_displayMode = true;
};
