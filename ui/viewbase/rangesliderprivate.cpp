#include "ui/viewbase/rangesliderprivate.h"

#include "ui/viewbase/commonfunctions.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {

constexpr int minimumLabelStripWidth = 75;
// Between a label and the link icon, or the slider in a horizontal one.
constexpr int labelGap = 4;
// From the groove to the link icon's middle.
constexpr int linkIconOffset = 15;

QString iconPath(const char *name)
{
    const QString theme = currentThemeFolderName();
    return QStringLiteral(":/icons/%1/control/%2").arg(theme, QLatin1String(name));
}

QBrush highlightBrush(const QColor &highlight, const QRect &rect, Qt::Orientation orientation)
{
    QLinearGradient gradient;
    if (orientation == Qt::Horizontal) {
        gradient.setStart(rect.center().x(), rect.top());
        gradient.setFinalStop(rect.center().x(), rect.bottom());
    } else {
        gradient.setStart(rect.left(), rect.center().y());
        gradient.setFinalStop(rect.right(), rect.center().y());
    }
    const QColor colour = highlight.darker(108);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, colour);
    return gradient;
}

} // namespace

RangeSliderPrivate::RangeSliderPrivate(RangeSlider *owner)
    : q(owner)
{
    loadIcons();
}

void RangeSliderPrivate::initStyleOption(QStyleOptionSlider *option, SpanHandle handle) const
{
    initStyleOption(option, handle, labelStripWidth());
}

void RangeSliderPrivate::initStyleOption(QStyleOptionSlider *option, SpanHandle handle,
                                         int strip) const
{
    option->initFrom(q);
    option->subControls = QStyle::SC_None;
    option->activeSubControls = QStyle::SC_None;
    option->orientation = q->orientation();
    option->maximum = q->maximum();
    option->minimum = q->minimum();
    option->tickPosition = q->tickPosition();
    option->tickInterval = q->tickInterval();
    option->upsideDown = q->orientation() == Qt::Horizontal
            ? q->invertedAppearance() != (option->direction == Qt::RightToLeft)
            : !q->invertedAppearance();
    option->direction = Qt::LeftToRight;
    // The span may reach beyond the scale; the style would place such a handle at the wrong
    // end (above the maximum at the minimum's end), so it is laid out at the end it passed.
    option->sliderPosition =
            std::clamp(handle == LowerHandle ? lowerPos : upperPos, q->minimum(), q->maximum());
    option->sliderValue = handle == LowerHandle ? lower : upper;
    option->singleStep = q->singleStep();
    option->pageStep = q->pageStep();
    if (q->orientation() == Qt::Horizontal)
        option->state |= QStyle::State_Horizontal;
    else
        option->state &= ~QStyle::State_Horizontal;
    option->rect = QRect(QPoint(strip, 0), QPoint(q->width() - 1, q->height() - 1));
}

QString RangeSliderPrivate::labelText(double value) const
{
    return QString::number(value, 'f', 2) + QLatin1Char(' ') + dimension;
}

int RangeSliderPrivate::labelStripWidth() const
{
    const QFontMetrics metrics = q->fontMetrics();
    const int widest = std::max(metrics.horizontalAdvance(labelText(minimumValue)),
                                metrics.horizontalAdvance(labelText(maximumValue)));
    if (q->orientation() == Qt::Horizontal)
        return std::max(minimumLabelStripWidth, widest + labelGap);
    // The icon keeps its place beside the groove, which moves with the strip. The style may
    // centre the groove in the slider's part: measured with that part at its hinted width, the
    // least a layout gives it.
    QStyleOptionSlider option;
    initStyleOption(&option, UpperHandle, minimumLabelStripWidth);
    option.rect.setWidth(q->QSlider::sizeHint().width());
    const int iconLeft = linkIconLeft(option);
    return std::max(minimumLabelStripWidth, minimumLabelStripWidth + widest + labelGap - iconLeft);
}

int RangeSliderPrivate::pick(const QPoint &point) const
{
    return q->orientation() == Qt::Horizontal ? point.x() : point.y();
}

int RangeSliderPrivate::pixelPosToRangeValue(int position) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, q);
    const QRect handle =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    int start = 0;
    int end = 0;
    if (q->orientation() == Qt::Horizontal) {
        start = groove.x();
        end = groove.right() - handle.width() + 1;
    } else {
        start = groove.y();
        end = groove.bottom() - handle.height() + 1;
    }
    const int relative = std::max(position - start, start);
    return QStyle::sliderValueFromPosition(q->minimum(), q->maximum(), relative, end - start,
                                           option.upsideDown);
}

double RangeSliderPrivate::toUserValue(int step) const
{
    // Before the precision is set, or over an empty scale, every step is the minimum.
    if (q->maximum() == 0)
        return minimumValue;
    return minimumValue + step * (maximumValue - minimumValue) / q->maximum();
}

void RangeSliderPrivate::handleMousePress(const QPoint &position, QStyle::SubControl &control,
                                          int value, SpanHandle handle)
{
    QStyleOptionSlider option;
    initStyleOption(&option, handle);
    const QStyle::SubControl previous = control;
    control = q->style()->hitTestComplexControl(QStyle::CC_Slider, &option, position, q);
    const QRect handleRect =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    if (control == QStyle::SC_SliderHandle) {
        pressValue = value;
        handlePressOffset = pick(position - handleRect.topLeft());
        lastPressed = handle;
        q->setSliderDown(true);
    }
    if (control != previous)
        q->update(handleRect);
}

void RangeSliderPrivate::dragSpan(int position, bool grooveDrag)
{
    if (spanPressOffset < 0)
        return;
    const int range = q->maximum() - q->minimum();
    if (range <= 0)
        return;

    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, q);
    const QRect handle =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    const bool horizontal = q->orientation() == Qt::Horizontal;
    const int grooveStart = horizontal ? groove.left() : groove.top();
    const int grooveEnd = horizontal ? groove.right() : groove.bottom();
    const int handleLength =
            horizontal ? handle.right() - handle.left() : handle.bottom() - handle.top();
    const int usable = (grooveEnd - handleLength) - grooveStart;

    const int width = upper - lower;
    const int halfWidth = width / 2;
    // The scale is widened by half the span at both ends, as far as the span may reach.
    const int scaled = static_cast<int>(static_cast<double>(usable) / range * halfWidth
                                        + (position - spanPressOffset - grooveStart));
    const int length = static_cast<int>(static_cast<double>(usable) * (range + width) / range);
    int newUpper = QStyle::sliderValueFromPosition(
            q->minimum() - halfWidth, q->maximum() + halfWidth, scaled, length, option.upsideDown);
    if (grooveDrag) {
        newUpper = std::max(newUpper, std::max(std::min(lower, upper), halfWidth));
    } else {
        newUpper = std::max(newUpper, halfWidth);
        newUpper = std::max(newUpper, q->minimum());
    }
    const int newLower = std::max(newUpper - width, -halfWidth);
    q->setSpan(newLower, newUpper);
}

void RangeSliderPrivate::triggerAction(QAbstractSlider::SliderAction action, bool main)
{
    const bool moveUpper =
            (main && keyboardHandle == UpperHandle) || (!main && keyboardHandle == LowerHandle);
    const int minimum = q->minimum();
    const int maximum = q->maximum();
    int value = moveUpper ? upper : lower;
    keyboardAction = true;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        value = std::clamp(value + q->singleStep(), minimum, maximum);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        value = std::clamp(value - q->singleStep(), minimum, maximum);
        break;
    case QAbstractSlider::SliderToMinimum:
        value = minimum;
        break;
    case QAbstractSlider::SliderToMaximum:
        value = maximum;
        break;
    default:
        break;
    }
    if (movement == RangeSlider::CappedMovement || movement == RangeSlider::LinkableMovement)
        value = moveUpper ? std::max(value, lower) : std::min(value, upper);
    if (moveUpper)
        q->setUpperPosition(value);
    else
        q->setLowerPosition(value);
    keyboardAction = false;
    q->setSpan(lowerPos, upperPos);
}

void RangeSliderPrivate::swapControls()
{
    std::swap(lower, upper);
    std::swap(lowerPos, upperPos);
    std::swap(lowerPressed, upperPressed);
    lastPressed = lastPressed == LowerHandle ? UpperHandle : LowerHandle;
    keyboardHandle = keyboardHandle == LowerHandle ? UpperHandle : LowerHandle;
}

void RangeSliderPrivate::loadIcons()
{
    linkedIcon = QPixmap(iconPath("linked_range_slider.svg"));
    unlinkedIcon = QPixmap(iconPath("unlinked_range_slider.svg"));
}

void RangeSliderPrivate::takeColours()
{
    const QPalette palette = q->palette();
    textColour = palette.color(QPalette::Text);
    windowColour = palette.color(QPalette::Window);
    shadowColour = palette.color(QPalette::Shadow);
}

void RangeSliderPrivate::updateRange(int, int)
{
    q->setSpan(lower, upper);
}

void RangeSliderPrivate::movePressedHandle()
{
    switch (lastPressed) {
    case LowerHandle:
        if (lowerPos != lower)
            q->setSpan(lowerPos, upperPos);
        break;
    case UpperHandle:
        if (upperPos != upper)
            q->setSpan(lowerPos, upperPos);
        break;
    default:
        break;
    }
}

void RangeSliderPrivate::drawSpan(QPainter *painter)
{
    const int middle = (lower + upper) / 2;
    if (middle < 0)
        return;

    QStyleOptionSlider option;
    initStyleOption(&option, LowerHandle);
    const QRect lowerRect =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    initStyleOption(&option, UpperHandle);
    const QRect upperRect =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    QRect groove =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, q);

    const bool horizontal = q->orientation() == Qt::Horizontal;
    QRect span;
    if (horizontal) {
        groove.adjust(0, 0, 0, -1);
        const int from = std::min(lowerRect.center().x(), upperRect.center().x());
        const int to = std::max(lowerRect.center().x(), upperRect.center().x());
        span = QRect(QPoint(from, groove.top()), QPoint(to, groove.bottom()));
    } else {
        groove.adjust(0, 0, -1, 0);
        const int from = std::min(lowerRect.center().y(), upperRect.center().y());
        const int to = std::max(lowerRect.center().y(), upperRect.center().y());
        span = QRect(QPoint(groove.left(), from), QPoint(groove.right(), to));
    }
    span = span.intersected(groove);

    const QColor highlight = q->palette().color(QPalette::Highlight);
    painter->save();
    QPen pen(highlight.darker(120), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter->setPen(pen);
    painter->setBrush(highlightBrush(highlight, span, q->orientation()));
    painter->drawRect(span);
    painter->restore();

    const QPixmap &icon = linked ? linkedIcon : unlinkedIcon;
    int centreY = upperRect.center().y();
    if (middle > q->maximum())
        centreY = span.top() - 5;
    if (lower + upper < 0)
        centreY = 0;
    const QSize iconSize = icon.isNull() ? QSize(0, 0) : icon.size() / icon.devicePixelRatio();
    linkRect = QRect(QPoint(span.left() - linkIconOffset - iconSize.width() / 2,
                            centreY - iconSize.height() / 2),
                     iconSize);
    if (!icon.isNull())
        painter->drawPixmap(linkRect, icon);
}

int RangeSliderPrivate::linkIconLeft(const QStyleOptionSlider &option) const
{
    const QRect groove =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, q);
    const QPixmap &icon = linked ? linkedIcon : unlinkedIcon;
    const int iconWidth = icon.isNull() ? 0 : int(icon.width() / icon.devicePixelRatio());
    return groove.left() - linkIconOffset - iconWidth / 2;
}

void RangeSliderPrivate::drawLabels(QPainter *painter)
{
    const QFontMetrics metrics = q->fontMetrics();
    const QColor colour = textColour.isValid() ? textColour : q->palette().color(QPalette::Text);
    const int strip = labelStripWidth();
    painter->save();
    painter->setPen(colour);
    for (const SpanHandle handle : {LowerHandle, UpperHandle}) {
        const int step = handle == LowerHandle ? lowerPos : upperPos;
        const QString text = labelText(toUserValue(step));
        QStyleOptionSlider option;
        initStyleOption(&option, handle, strip);
        const QRect handleRect =
                q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
        const int width = metrics.horizontalAdvance(text);
        const int height = metrics.height();
        int right = 0;
        int top = 0;
        if (q->orientation() == Qt::Vertical) {
            // Clear of the link icon, which sits left of the span.
            right = linkIconLeft(option) - labelGap;
            top = handleRect.center().y() - height / 2;
        } else {
            // Horizontally the strip holds both labels, the lower above the upper.
            right = strip - labelGap;
            top = handle == LowerHandle ? q->height() / 2 - height : q->height() / 2;
        }
        right = std::clamp(right, width, std::max(width, q->width() - 1));
        top = std::clamp(top, 0, std::max(0, q->height() - height));
        const QRect label(right - width, top, width, height);
        (handle == LowerHandle ? lowerLabelRect : upperLabelRect) = label;
        painter->drawText(label, Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter->restore();
}

void RangeSliderPrivate::drawHandle(QPainter *painter, SpanHandle handle)
{
    const int step = handle == LowerHandle ? lowerPos : upperPos;
    if (step < 0 || step > q->maximum())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option, handle);
    const QRect rect =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    const int c = l + static_cast<int>((r - l + 1) * 0.5);
    QPolygon polygon;
    if (handle == LowerHandle)
        polygon << QPoint(l - 5, t) << QPoint(r + 6, t) << QPoint(c, b + 1) << QPoint(l - 5, b + 1);
    else
        polygon << QPoint(l - 5, t) << QPoint(c, t) << QPoint(r + 6, b + 1) << QPoint(l - 5, b + 1);

    painter->save();
    painter->setPen(textColour.isValid() ? textColour : q->palette().color(QPalette::Text));
    painter->setBrush(
            highlightBrush(q->palette().color(QPalette::Highlight), rect, q->orientation()));
    painter->drawPolygon(polygon, Qt::OddEvenFill);
    painter->restore();
}

void RangeSliderPrivate::drawMarker(QPainter *painter)
{
    const int step = (lower + upper) / 2;
    if (step < 0 || step > q->maximum())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = step;
    option.sliderValue = step;
    const QRect rect =
            q->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, q);
    QPolygon triangle;
    triangle << QPoint(rect.left(), rect.top())
             << QPoint(rect.right() + 4, rect.top() + rect.height() / 2)
             << QPoint(rect.left(), rect.bottom() + 1);

    painter->save();
    painter->setPen(textColour.isValid() ? textColour : q->palette().color(QPalette::Text));
    painter->setBrush(
            highlightBrush(q->palette().color(QPalette::Highlight), rect, q->orientation()));
    painter->drawPolygon(triangle, Qt::OddEvenFill);
    painter->restore();
}
