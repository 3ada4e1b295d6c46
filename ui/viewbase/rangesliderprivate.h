#pragma once

#include "ui/viewbase/rangeslider.h"

#include <QAbstractSlider>
#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QStyle>

class QPainter;
class QStyleOptionSlider;

// The state and the geometry of a RangeSlider.
class RangeSliderPrivate : public QObject
{
    Q_OBJECT
public:
    enum SpanHandle {
        NoHandle = 0,
        LowerHandle = 1,
        UpperHandle = 2,
        MiddleMarker = 3,
    };

    explicit RangeSliderPrivate(RangeSlider *owner);

    // For hit tests, layout and painting: the slider laid out right of the label strip.
    void initStyleOption(QStyleOptionSlider *option, SpanHandle handle = UpperHandle) const;
    void initStyleOption(QStyleOptionSlider *option, SpanHandle handle, int strip) const;
    // The width left of the slider that holds the labels: the widest of the scale's ends in
    // the present font, clear of the link icon, and never under the 75 px the forms are made
    // for.
    int labelStripWidth() const;
    QString labelText(double value) const;
    int pick(const QPoint &point) const;
    int pixelPosToRangeValue(int position) const;
    double toUserValue(int step) const;
    void handleMousePress(const QPoint &position, QStyle::SubControl &control, int value,
                          SpanHandle handle);
    void dragSpan(int position, bool grooveDrag);
    void triggerAction(QAbstractSlider::SliderAction action, bool main);
    void swapControls();
    void loadIcons();
    void takeColours();

    void drawSpan(QPainter *painter);
    // The link icon's left edge beside a vertical groove laid out in option.
    int linkIconLeft(const QStyleOptionSlider &option) const;
    void drawLabels(QPainter *painter);
    void drawHandle(QPainter *painter, SpanHandle handle);
    void drawMarker(QPainter *painter);

public slots:
    void updateRange(int minimum, int maximum);
    void movePressedHandle();

public:
    int lower = 0;
    int upper = 0;
    int lowerPos = 0;
    int upperPos = 0;
    int handlePressOffset = 0;
    int pressValue = 0;
    int spanPressOffset = 0;
    SpanHandle lastPressed = NoHandle;
    SpanHandle keyboardHandle = LowerHandle;
    QStyle::SubControl lowerPressed = QStyle::SC_None;
    QStyle::SubControl upperPressed = QStyle::SC_None;
    RangeSlider::HandleMovementMode movement = RangeSlider::LinkableMovement;
    bool firstMovement = false;
    bool keyboardAction = false;
    bool linked = false;
    QString dimension = QStringLiteral("V");
    double minimumValue = 0.0;
    double maximumValue = 100.0;
    double precision = 0.001;
    QPixmap linkedIcon;
    QPixmap unlinkedIcon;
    QRect linkRect;
    // Where the labels were last drawn.
    QRect lowerLabelRect;
    QRect upperLabelRect;
    QColor textColour;
    QColor windowColour;
    QColor shadowColour;
    RangeSlider *q;
};
