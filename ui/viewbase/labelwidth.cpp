#include "ui/viewbase/labelwidth.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

#include <algorithm>
#include <cmath>

namespace {

const char *const formMinimumProperty = "formMinimumWidth";
const char *const formMaximumProperty = "formMaximumWidth";

// The bounds the form gave the label, kept before the first fit changes them.
int formWidth(QLabel *label, const char *property, int current)
{
    QVariant width = label->property(property);
    if (!width.isValid()) {
        width = current;
        label->setProperty(property, width);
    }
    return width.toInt();
}

} // namespace

void fitLabelWidth(QLabel *label, const QStringList &texts, int gap, bool fixed)
{
    const int formMinimum = formWidth(label, formMinimumProperty, label->minimumWidth());
    const int formMaximum = formWidth(label, formMaximumProperty, label->maximumWidth());
    const QFontMetrics metrics = label->fontMetrics();
    int text = 0;
    for (const QString &entry : texts)
        text = std::max(
                {text, metrics.horizontalAdvance(entry), metrics.boundingRect(entry).width()});
    label->setContentsMargins(gap, 0, 0, 0);
    const int width = gap + text + 2 * (label->frameWidth() + label->margin());
    if (fixed) {
        label->setFixedWidth(width);
        return;
    }
    label->setMinimumWidth(std::max(formMinimum, width));
    label->setMaximumWidth(std::max(formMaximum, width));
}

int blankWidth(const QLabel *label)
{
    return label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
}

QStringList widestReadings(double maximum)
{
    const double top = std::abs(maximum);
    return {QString::number(top, 'f', 2), QString::number(-top, 'f', 2),
            QString::number(top, 'f', 3)};
}
