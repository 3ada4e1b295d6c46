#include "views/oscilloscope/valuemarker.h"

#include "ui/viewbase/commonfunctions.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

constexpr int initialIconSide = 18;

} // namespace

QString valueMarkerText(double value, const QString &dimension)
{
    QString number;
    QString unit;
    if (std::abs(value) > 0.1) {
        number = QStringLiteral("%1").arg(value, 0, 'f', 3);
        unit = dimension;
    } else {
        number = QStringLiteral("%1").arg(value * 1000.0, 0, 'f', 3);
        unit = translatedDimensionPrefix(-1) + dimension;
    }
    if (value > 0.0)
        number.prepend(QLatin1Char(' '));
    return QStringLiteral("%1 %2").arg(number, unit);
}

ValueMarker::ValueMarker(Qt::Orientation orientation, Qt::Alignment iconAlign,
                         const QString &iconPath)
    : m_frame(std::make_unique<QFrame>())
    , m_iconAlign(iconAlign)
    , m_iconPath(iconPath)
    , m_orientation(orientation)
{
    m_valueLabel = new QLabel(m_frame.get());
    m_valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_iconLabel = new QLabel(m_frame.get());
    m_iconLabel->setAlignment(Qt::AlignCenter);
    renderIcon(initialIconSide);
    // The strip paints a grab of the frame over its own background, so the frame leaves
    // everything but its labels transparent.
    m_frame->setAttribute(Qt::WA_TranslucentBackground);

    QBoxLayout *layout = nullptr;
    bool iconFirst = false;
    Qt::Alignment iconPlace;
    if (orientation == Qt::Horizontal) {
        layout = new QVBoxLayout(m_frame.get());
        iconFirst = iconAlign == Qt::AlignTop;
        iconPlace = Qt::AlignCenter;
    } else {
        layout = new QHBoxLayout(m_frame.get());
        m_frame->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
        iconFirst = iconAlign == Qt::AlignLeft;
        iconPlace = Qt::AlignHCenter;
    }
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    if (iconFirst) {
        layout->addWidget(m_iconLabel, 0, iconPlace);
        layout->addWidget(m_valueLabel, 1);
    } else {
        layout->addWidget(m_valueLabel, 1);
        layout->addWidget(m_iconLabel, 0, iconPlace);
    }
    m_dimension = tr("V");
}

ValueMarker::~ValueMarker() = default;

QFrame *ValueMarker::frame() const
{
    return m_frame.get();
}

void ValueMarker::setValue(double value)
{
    // A value that is not a number passes every range test and would be stored as it is.
    if (!std::isfinite(value))
        return;
    if (value < m_rangeMinimum || value > m_rangeMaximum) {
        setValue(qBound(m_rangeMinimum, value, m_rangeMaximum));
        return;
    }
    if (!m_iconOnly)
        updateText(value);
    if (value != m_value) {
        m_value = value;
        emit valueChanged(value);
    }
}

double ValueMarker::value() const
{
    return m_value;
}

void ValueMarker::setRange(double minimum, double maximum)
{
    if (minimum == m_rangeMinimum && maximum == m_rangeMaximum)
        return;
    if (!(minimum <= maximum))
        return;
    m_rangeMinimum = minimum;
    m_rangeMaximum = maximum;
    emit textWidthChanged();
    if (m_value >= minimum && m_value <= maximum) {
        if (!m_iconOnly)
            updateText(m_value);
        return;
    }
    setValue(qBound(minimum, m_value, maximum));
}

void ValueMarker::setScale(double minimum, double maximum)
{
    if (minimum == m_scaleMinimum && maximum == m_scaleMaximum)
        return;
    m_scaleMinimum = minimum;
    m_scaleMaximum = maximum;
    emit scaleChanged();
}

QPair<double, double> ValueMarker::scale() const
{
    return qMakePair(m_scaleMinimum, m_scaleMaximum);
}

void ValueMarker::setEps(double eps)
{
    m_eps = eps;
}

double ValueMarker::eps() const
{
    return m_eps;
}

int ValueMarker::position() const
{
    if (m_value > m_scaleMaximum - m_eps)
        return 1;
    if (m_value < m_scaleMinimum + m_eps)
        return 2;
    return 0;
}

void ValueMarker::setIconOnly(bool iconOnly)
{
    m_iconOnly = iconOnly;
    if (iconOnly)
        m_valueLabel->setText(QString());
}

bool ValueMarker::iconOnly() const
{
    return m_iconOnly;
}

Qt::Alignment ValueMarker::iconAlign() const
{
    return m_iconAlign;
}

void ValueMarker::setFixedSize(const QSize &size)
{
    const int text = widestTextWidth();
    const int icon = m_iconLabel->width();
    const int needed = m_orientation == Qt::Vertical ? icon + text : std::max(icon, text);
    m_frame->setFixedSize(size.expandedTo(QSize(needed, 0)));
    // The frame is never shown, so nothing else would lay its labels out before a grab.
    m_frame->layout()->activate();
}

int ValueMarker::widestTextWidth() const
{
    if (m_iconOnly)
        return 0;
    m_frame->ensurePolished();
    const QFontMetrics metrics = m_valueLabel->fontMetrics();
    const QMargins margins = m_valueLabel->contentsMargins();
    // Either way a value is written, its text is widest where its magnitude is largest: at
    // the ends of the range, and for the thousandths as near to 0.1 as the range comes.
    int widest = 0;
    for (const double value :
         {m_rangeMinimum, m_rangeMaximum, qBound(m_rangeMinimum, -0.1, m_rangeMaximum),
          qBound(m_rangeMinimum, 0.1, m_rangeMaximum)}) {
        const QString text = valueMarkerText(value, m_dimension);
        widest = std::max(widest, metrics.size(0, text).width());
    }
    return widest + margins.left() + margins.right() + 2 * m_valueLabel->margin();
}

void ValueMarker::setDimension(const QString &dimension)
{
    if (dimension == m_dimension)
        return;
    m_dimension = dimension;
    emit textWidthChanged();
}

void ValueMarker::setIconSize(const QSize &size)
{
    renderIcon(size.height());
}

void ValueMarker::setIconPath(const QString &iconPath)
{
    m_iconPath = iconPath;
    renderIcon(m_iconLabel->height());
}

void ValueMarker::setBackgroundColor(const QString &color)
{
    m_iconLabel->setStyleSheet(QStringLiteral("QLabel { background-color : %1;}").arg(color));
    m_iconLabel->style()->unpolish(m_iconLabel);
    m_iconLabel->style()->polish(m_iconLabel);
}

void ValueMarker::updateText(double value)
{
    m_valueLabel->setText(valueMarkerText(value, m_dimension));
}

void ValueMarker::renderIcon(int side)
{
    const QPixmap pixmap = QIcon(m_iconPath).pixmap(QSize(side, side), QIcon::Normal, QIcon::Off);
    m_iconLabel->setPixmap(pixmap);
    m_iconLabel->setFixedSize(side, side);
}
