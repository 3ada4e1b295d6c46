#include "vekwidgets/vekdoublespinbox.h"

#include <QFocusEvent>
#include <QLocale>

class VekDoubleSpinBoxPrivate
{
public:
    explicit VekDoubleSpinBoxPrivate(const VekDoubleSpinBox *box)
        : q(box)
    { }

    // Where the number sits in a box text: between the prefix and the suffix, when present.
    void numberBounds(const QString &text, int *begin, int *end) const
    {
        const QString prefix = q->prefix();
        const QString suffix = q->suffix();
        *begin = !prefix.isEmpty() && text.startsWith(prefix) ? prefix.size() : 0;
        *end = text.size();
        if (!suffix.isEmpty() && text.size() - *begin >= suffix.size() && text.endsWith(suffix))
            *end -= suffix.size();
    }

    // Both marks typed mean the decimal mark: a user of either language means a fraction by
    // either, and the keypad's decimal key gives a point whatever the language. Read as
    // grouping instead, "1,000" typed for one would set a thousand; so a group separator, or a
    // space inside the number, makes the text refused.
    bool readDecimalMarks(QString &text) const
    {
        int begin = 0;
        int end = 0;
        numberBounds(text, &begin, &end);
        const QLocale locale = q->locale();
        const QChar mark = locale.decimalPoint();
        const QChar group = locale.groupSeparator();
        int first = begin;
        while (first < end && text.at(first).isSpace())
            ++first;
        int last = end - 1;
        while (last >= first && text.at(last).isSpace())
            --last;
        for (int i = first; i <= last; ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('.') || c == QLatin1Char(','))
                text[i] = mark;
            else if (c == group || c.isSpace())
                return false;
        }
        return true;
    }

    // Whether the number has no digit left: empty, or a lone sign or decimal mark.
    bool isEmptied(const QString &text) const
    {
        int begin = 0;
        int end = 0;
        numberBounds(text, &begin, &end);
        for (int i = begin; i < end; ++i) {
            if (text.at(i).isDigit())
                return false;
        }
        return true;
    }

    const VekDoubleSpinBox *q;
};

VekDoubleSpinBox::VekDoubleSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
    , d(std::make_unique<VekDoubleSpinBoxPrivate>(this))
{ }

VekDoubleSpinBox::~VekDoubleSpinBox() = default;

QValidator::State VekDoubleSpinBox::validate(QString &input, int &pos) const
{
    // The marks are replaced in place: the box then shows the number it will commit.
    if (!d->readDecimalMarks(input))
        return QValidator::Invalid;
    return QDoubleSpinBox::validate(input, pos);
}

double VekDoubleSpinBox::valueFromText(const QString &text) const
{
    QString number = text;
    if (!d->readDecimalMarks(number))
        return value();
    return QDoubleSpinBox::valueFromText(number);
}

void VekDoubleSpinBox::fixup(QString &input) const
{
    // Read as a number, an emptied box is zero brought into the range, its minimum for a
    // frequency: a value the user never chose. The box keeps the one it held instead.
    if (d->isEmptied(input)) {
        input = prefix() + textFromValue(value()) + suffix();
        return;
    }
    QDoubleSpinBox::fixup(input);
}

QString VekDoubleSpinBox::textFromValue(double value) const
{
    // In an edited text every point or comma is a decimal mark: grouping shown there would be
    // read as one.
    QString text = QDoubleSpinBox::textFromValue(value);
    if (hasFocus() && isGroupSeparatorShown())
        text.remove(locale().groupSeparator());
    return text;
}

void VekDoubleSpinBox::focusInEvent(QFocusEvent *event)
{
    QDoubleSpinBox::focusInEvent(event);
    // Shows the same value again, now without grouping; the value does not change, so nothing
    // is reported.
    if (isGroupSeparatorShown())
        QDoubleSpinBox::setValue(value());
}

void VekDoubleSpinBox::setValue(double value)
{
    // Exact comparison on purpose: only a repeat of the very same value is dropped.
    if (value == QDoubleSpinBox::value())
        return;
    QDoubleSpinBox::setValue(value);
}
