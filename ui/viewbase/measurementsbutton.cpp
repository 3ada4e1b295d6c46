#include "ui/viewbase/measurementsbutton.h"

#include "ui/viewbase/commonfunctions.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <utility>

struct MeasurementsButton::Internal
{
    Internal()
    {
        formatter.setAccuracy(2);
        formatter.adjustUnits(true);
        formatter.setMinSymbolsBeforeDelemeter(4);
        formatter.setMinSymbolsAfterDelemeter(2);
    }

    QString format(double number)
    {
        formatter.setUnits(units);
        return formatter(number);
    }

    // The widest text a value can take in these units: a sign, four places before the point
    // (999.996 rounds up to 1000.00) and each decimal prefix the formatter may put in front.
    int widestValueWidth(const QFontMetrics &metrics)
    {
        int widest = 0;
        for (int index = 1 - belowZeroDimensionPrefix.size();
             index < aboveZeroDimensionPrefix.size(); ++index) {
            const QString text = format(-999.999 * std::pow(1000.0, index));
            widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, text).width());
        }
        return widest;
    }

    QIcon icon;
    QString name;
    QString units;
    double value = 0.0;
    QString valueText;
    QSize sizeHint {-1, -1};
    int spacing = 3;
    int horizontalMargin = 6;
    int verticalMargin = 1;
    DoubleToFormatString formatter;
};

MeasurementsButton::MeasurementsButton(QWidget *parent)
    : QPushButton(parent)
    , d(std::make_unique<Internal>())
{ }

MeasurementsButton::MeasurementsButton(const QIcon &icon, const QString &name, const QString &units,
                                       QWidget *parent)
    : MeasurementsButton(parent)
{
    d->icon = icon;
    d->name = name;
    d->units = units;
}

MeasurementsButton::~MeasurementsButton() = default;

void MeasurementsButton::setValue(double value)
{
    if (value == d->value)
        return;
    d->value = value;
    // Measurements arrive in bursts from the acquisition cycle; show each one as it comes,
    // but only when it reads differently: a noisy value mostly rounds to the text shown.
    QString text = d->format(value);
    if (text == d->valueText)
        return;
    d->valueText = std::move(text);
    repaint();
}

void MeasurementsButton::setMeasurementName(const QString &name)
{
    if (name == d->name)
        return;
    d->name = name;
    d->sizeHint = QSize(-1, -1);
    updateGeometry();
    repaint();
}

QString MeasurementsButton::measurementName() const
{
    return d->name;
}

void MeasurementsButton::setUnits(const QString &units)
{
    if (units == d->units)
        return;
    d->units = units;
    d->sizeHint = QSize(-1, -1);
    updateGeometry();
    d->valueText = d->format(d->value);
    repaint();
}

void MeasurementsButton::setIcon(const QIcon &icon)
{
    const QSize size = iconSize();
    const QImage current = d->icon.pixmap(size, QIcon::Normal, QIcon::Off).toImage();
    const QImage next = icon.pixmap(size, QIcon::Normal, QIcon::Off).toImage();
    if (current == next)
        return;
    d->icon = icon;
    repaint();
}

QString MeasurementsButton::createValueFormatString(double value) const
{
    return d->format(value);
}

QString MeasurementsButton::valueText() const
{
    return d->valueText;
}

QSize MeasurementsButton::sizeHint() const
{
    if (d->sizeHint.width() >= 0 && d->sizeHint.height() >= 0)
        return d->sizeHint;

    ensurePolished();
    const QFontMetrics metrics = fontMetrics();
    QStyleOptionButton option;
    initStyleOption(&option);

    const QSize icon = iconSize();
    const int height = std::max(metrics.height(), icon.height()) + 2 * d->verticalMargin;
    const int width = 2 * d->horizontalMargin + icon.width() + 2 * d->spacing
            + metrics.size(Qt::TextShowMnemonic, d->name).width() + d->widestValueWidth(metrics);
    option.rect.setSize(QSize(width, height));
    d->sizeHint =
            style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(width, height), this)
                    .expandedTo(QApplication::globalStrut());
    return d->sizeHint;
}

void MeasurementsButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    // Another font size or style sheet measures the texts anew.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        d->sizeHint = QSize(-1, -1);
        updateGeometry();
    }
}

void MeasurementsButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);

    QPainter painter(this);
    QRect area = contentsRect().adjusted(d->horizontalMargin, d->verticalMargin,
                                         -d->horizontalMargin, -d->verticalMargin);
    const QSize icon = iconSize();
    // The icon keeps its own colours on a disabled button too.
    style()->drawItemPixmap(&painter, area, Qt::AlignLeft | Qt::AlignVCenter,
                            d->icon.pixmap(icon, QIcon::Normal, QIcon::Off));

    area.setLeft(area.left() + icon.width() + d->spacing);
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), true,
                          d->name, QPalette::NoRole);

    area.setLeft(area.left() + fontMetrics().size(Qt::TextShowMnemonic, d->name).width());
    style()->drawItemText(&painter, area, Qt::AlignRight | Qt::AlignVCenter, palette(), true,
                          d->valueText, QPalette::NoRole);
}
