#include "ui/viewbase/rangeslider.h"

#include "ui/viewbase/rangesliderprivate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Keeps step arithmetic (a span plus half its width beyond the scale) inside int.
constexpr int maximumSteps = 1 << 28;

// A value between two steps is cut to the one below it; a value a rounding error short of a
// whole step (0.3 / 0.1 is 2.9999999999999996) counts as that step, with the tolerance the
// step count uses.
int boundedStep(double step)
{
    step = std::clamp(step, -2.0 * maximumSteps, 2.0 * maximumSteps);
    if (std::abs(step - std::round(step)) < 1e-6)
        return static_cast<int>(std::lround(step));
    return static_cast<int>(std::trunc(step));
}

} // namespace

// Vertical, as a QSlider made from a form is.
RangeSlider::RangeSlider(QWidget *parent)
    : RangeSlider(Qt::Vertical, parent)
{ }

RangeSlider::RangeSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
    , d(std::make_unique<RangeSliderPrivate>(this))
{
    connect(this, &QAbstractSlider::rangeChanged, d.get(), &RangeSliderPrivate::updateRange);
    connect(this, &QAbstractSlider::sliderReleased, d.get(),
            &RangeSliderPrivate::movePressedHandle);
    setTickPosition(QSlider::TicksBelow);
    d->takeColours();
    applyApplicationStyleSheet();
}

RangeSlider::~RangeSlider() = default;

// The widget carries the application's sheet itself. Setting a sheet restyles and repaints the
// widget, so it is set only when it differs: doing it on every paint would paint forever.
void RangeSlider::applyApplicationStyleSheet()
{
    const auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (application && application->styleSheet() != styleSheet())
        setStyleSheet(application->styleSheet());
}

double RangeSlider::lowerValue() const
{
    return d->toUserValue(d->lower);
}

double RangeSlider::upperValue() const
{
    return d->toUserValue(d->upper);
}

double RangeSlider::minimumValue() const
{
    return d->minimumValue;
}

double RangeSlider::maximumValue() const
{
    return d->maximumValue;
}

int RangeSlider::internalLowerValue() const
{
    return std::min(d->lower, d->upper);
}

int RangeSlider::internalUpperValue() const
{
    return std::max(d->lower, d->upper);
}

RangeSlider::HandleMovementMode RangeSlider::handleMovementMode() const
{
    return d->movement;
}

void RangeSlider::setHandleMovementMode(HandleMovementMode mode)
{
    d->movement = mode;
}

void RangeSlider::setDisplayMode(DisplayMode mode)
{
    m_displayMode = mode != SpanMode;
    repaint();
}

QSize RangeSlider::sizeHint() const
{
    return QSlider::sizeHint() + QSize(d->labelStripWidth(), 0);
}

void RangeSlider::setMinimum(int minimum)
{
    d->minimumValue = minimum;
    QAbstractSlider::setMinimum(minimum);
    updateGeometry(); // the labels of the scale's ends may be wider
}

void RangeSlider::setMaximum(int maximum)
{
    d->maximumValue = maximum;
    QAbstractSlider::setMaximum(maximum);
    updateGeometry();
}

void RangeSlider::setPrecission(double precission)
{
    // A step of no size (or no number) would give endless steps.
    if (!(precission > 0) || !std::isfinite(precission))
        return;
    d->precision = precission / 100;
    double steps = (d->maximumValue - d->minimumValue) / d->precision;
    // 20 / 1e-5 comes out as 1999999.9999999998: a whole count must not lose its last step.
    if (std::abs(steps - std::round(steps)) < 1e-6)
        steps = std::round(steps);
    QAbstractSlider::setMaximum(static_cast<int>(std::clamp(steps, 0.0, double(maximumSteps))));
    setSingleStep(1);
}

void RangeSlider::setDimension(QString dimension)
{
    d->dimension = std::move(dimension);
    updateGeometry();
}

void RangeSlider::setSpanValue(double lower, double upper)
{
    if (!std::isfinite(lower) || !std::isfinite(upper))
        return;
    const double span = d->maximumValue - d->minimumValue;
    if (span == 0) {
        setSpan(0, 0);
        return;
    }
    setSpan(boundedStep((lower - d->minimumValue) * maximum() / span),
            boundedStep((upper - d->minimumValue) * maximum() / span));
}

void RangeSlider::setSpan(int lower, int upper)
{
    const qint64 half = (qint64(upper) - lower) / 2;
    const auto bound = [this, half](qint64 value) {
        value = std::min(value, maximum() + half);
        value = std::max(value, minimum() - half);
        return static_cast<int>(value);
    };
    const int low = bound(std::min(lower, upper));
    const int up = bound(std::max(lower, upper));
    if (low == d->lower && up == d->upper)
        return;
    if (low != d->lower) {
        d->lower = low;
        d->lowerPos = low;
    }
    if (up != d->upper) {
        d->upper = up;
        d->upperPos = up;
    }
    emit spanChanged(lowerValue(), upperValue());
    update();
}

void RangeSlider::setInternalLowerValue(int lower)
{
    setSpan(lower, d->upper);
}

void RangeSlider::setInternalUpperValue(int upper)
{
    setSpan(d->lower, upper);
}

void RangeSlider::setLowerPosition(int lower)
{
    if (d->lowerPos == lower)
        return;
    d->lowerPos = lower;
    if (!hasTracking())
        update();
    else if (!d->keyboardAction)
        setSpan(d->lowerPos, d->upperPos);
}

void RangeSlider::setUpperPosition(int upper)
{
    if (d->upperPos == upper)
        return;
    d->upperPos = upper;
    if (!hasTracking())
        update();
    else if (!d->keyboardAction)
        setSpan(d->lowerPos, d->upperPos);
}

void RangeSlider::mousePressEvent(QMouseEvent *event)
{
    if (minimum() == maximum() || event->buttons() != event->button()) {
        event->ignore();
        return;
    }
    if (d->linkRect.contains(event->pos())) {
        d->linked = !d->linked;
        // A click on the icon is no drag: the pointer's jitter until the release must not
        // move the span.
        d->spanPressOffset = -1;
        event->accept();
        repaint();
        return;
    }

    // The upper handle first: where both handles meet, it is drawn on top.
    const auto tryHandles = [this](const QPoint &point) {
        d->handleMousePress(point, d->upperPressed, d->upper, RangeSliderPrivate::UpperHandle);
        if (d->upperPressed != QStyle::SC_SliderHandle)
            d->handleMousePress(point, d->lowerPressed, d->lower, RangeSliderPrivate::LowerHandle);
        return d->upperPressed == QStyle::SC_SliderHandle
                || d->lowerPressed == QStyle::SC_SliderHandle;
    };
    // The handles are drawn wider than the style's hit area; a press just beside one still
    // takes it.
    if (!tryHandles(event->pos()) && !tryHandles(event->pos() - QPoint(0, 10)))
        tryHandles(event->pos() + QPoint(0, 10));

    d->firstMovement = true;

    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = std::clamp(d->upperPos, minimum(), maximum());
    option.sliderValue = d->upper;
    const QRect upperRect =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    d->spanPressOffset = d->pick(event->pos()) - d->pick(upperRect.topLeft());
    if (d->upper > maximum() && maximum() != minimum()) {
        // The style stops the handle at the end of the groove; the span's upper end lies
        // beyond it by the steps past the maximum.
        QStyleOptionSlider spanOption;
        d->initStyleOption(&spanOption);
        const QRect groove = style()->subControlRect(QStyle::CC_Slider, &spanOption,
                                                     QStyle::SC_SliderGroove, this);
        const QRect handle = style()->subControlRect(QStyle::CC_Slider, &spanOption,
                                                     QStyle::SC_SliderHandle, this);
        const bool horizontal = orientation() == Qt::Horizontal;
        const int usable = horizontal
                ? (groove.right() - (handle.right() - handle.left())) - groove.left()
                : (groove.bottom() - (handle.bottom() - handle.top())) - groove.top();
        d->spanPressOffset += static_cast<int>(static_cast<double>(d->upper - maximum()) * usable
                                               / (maximum() - minimum()));
    }
    event->accept();
}

void RangeSlider::mouseMoveEvent(QMouseEvent *event)
{
    QStyleOptionSlider option;
    d->initStyleOption(&option);
    const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const int position = d->pick(event->pos());
    const bool horizontal = orientation() == Qt::Horizontal;
    const int grooveStart = horizontal ? groove.left() : groove.top();
    const int grooveEnd = horizontal ? groove.right() : groove.bottom();
    const bool insideGroove = position > grooveStart && position < grooveEnd;

    if (!m_displayMode) {
        d->lowerPressed = QStyle::SC_SliderGroove;
        d->upperPressed = QStyle::SC_SliderGroove;
        d->dragSpan(position, false);
        event->accept();
        return;
    }

    const bool handlePressed = d->lowerPressed == QStyle::SC_SliderHandle
            || d->upperPressed == QStyle::SC_SliderHandle;
    if (!handlePressed) {
        const bool groovePressed = d->lowerPressed == QStyle::SC_SliderGroove
                || d->upperPressed == QStyle::SC_SliderGroove;
        if (!insideGroove) {
            if (!groovePressed)
                event->ignore();
            return;
        }
        d->dragSpan(position, true);
        event->accept();
        return;
    }

    const int maximumDrag = style()->pixelMetric(QStyle::PM_MaximumDragDistance, &option, this);
    int step = d->pixelPosToRangeValue(position - d->handlePressOffset);
    if (maximumDrag >= 0) {
        const QRect area = rect().adjusted(-maximumDrag, -maximumDrag, maximumDrag, maximumDrag);
        if (!area.contains(event->pos()))
            step = d->pressValue;
    }

    // Handles that lie on each other: dragging down takes the lower one.
    if (d->firstMovement) {
        if (d->lower == d->upper && step < d->lower)
            d->swapControls();
        d->firstMovement = false;
    }

    const int middle = (d->lowerPos + d->upperPos) / 2;
    if (d->lowerPressed == QStyle::SC_SliderHandle) {
        if (d->movement == CappedMovement || (d->movement == LinkableMovement && !d->linked)) {
            setLowerPosition(std::min(step, std::max(d->lower, d->upper)));
        } else if (d->movement == LinkableMovement) {
            const int distance = middle - step;
            if (2 * distance >= 0) {
                const int low =
                        std::min({step, std::max(d->lower, d->upper), maximum() + distance});
                const int up = std::max(low + 2 * distance, distance);
                setSpan(low, up);
            }
        }
    } else if (d->upperPressed == QStyle::SC_SliderHandle) {
        if (d->movement == CappedMovement || (d->movement == LinkableMovement && !d->linked)) {
            setUpperPosition(std::max(step, std::min(d->lower, d->upper)));
        } else if (d->movement == LinkableMovement) {
            const int distance = step - middle;
            if (2 * distance >= 0) {
                const int up = std::max({step, distance, std::min(d->lower, d->upper)});
                const int low = std::max(up - 2 * distance, -distance);
                setSpan(low, up);
            }
        }
    }
    event->accept();
}

void RangeSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    setSliderDown(false);
    d->lowerPressed = QStyle::SC_None;
    d->upperPressed = QStyle::SC_None;
    d->spanPressOffset = 0;
    update();
}

void RangeSlider::keyPressEvent(QKeyEvent *event)
{
    QSlider::keyPressEvent(event);

    bool main = true;
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Home:
        main = d->keyboardHandle == RangeSliderPrivate::LowerHandle;
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        main = d->keyboardHandle == RangeSliderPrivate::UpperHandle;
        action = SliderToMaximum;
        break;
    case Qt::Key_Left:
        main = orientation() == Qt::Horizontal;
        action = invertedAppearance() ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    case Qt::Key_Right:
        main = orientation() == Qt::Horizontal;
        action = invertedAppearance() ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Up:
        main = orientation() == Qt::Vertical;
        action = invertedControls() ? SliderSingleStepSub : SliderSingleStepAdd;
        break;
    case Qt::Key_Down:
        main = orientation() == Qt::Vertical;
        action = invertedControls() ? SliderSingleStepAdd : SliderSingleStepSub;
        break;
    default:
        event->ignore();
        return;
    }
    d->triggerAction(action, main);
}

void RangeSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);

    QStyleOptionSlider option;
    d->initStyleOption(&option);
    option.sliderValue = 0;
    option.sliderPosition = 0;
    option.subControls = QStyle::SC_SliderGroove;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);

    d->drawSpan(&painter);
    d->drawLabels(&painter);

    // The handle pressed last lies on top.
    if (d->lastPressed == RangeSliderPrivate::LowerHandle) {
        d->drawHandle(&painter, RangeSliderPrivate::UpperHandle);
        d->drawHandle(&painter, RangeSliderPrivate::LowerHandle);
    } else {
        d->drawHandle(&painter, RangeSliderPrivate::LowerHandle);
        d->drawHandle(&painter, RangeSliderPrivate::UpperHandle);
    }
    d->drawMarker(&painter);
}

void RangeSlider::changeEvent(QEvent *event)
{
    QSlider::changeEvent(event);
    if (event->type() == QEvent::StyleChange) {
        d->loadIcons();
        d->takeColours();
        applyApplicationStyleSheet();
        updateGeometry();
    } else if (event->type() == QEvent::FontChange) {
        // The labels' strip follows the font.
        updateGeometry();
    } else if (event->type() == QEvent::PaletteChange) {
        // A style sheet reaches the palette when it polishes the widget, after the style
        // change: the labels and outlines must follow it.
        d->takeColours();
    }
}
