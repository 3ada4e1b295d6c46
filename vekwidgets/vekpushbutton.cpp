#include "vekwidgets/vekpushbutton.h"

#include "vekwidgets/vekpalette.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr QRgb shadowRgb = 0xa9a9a9;
constexpr int hintExtraWidth = 15;
constexpr int hintExtraHeight = 12;

} // namespace

class VekPushButtonPrivate
{
public:
    QColor normal;
    QColor over;
    QColor pressed;
    QColor disabled;
    bool isOver = false;
    bool isPressed = false;
    QSharedPointer<VekPalette> palette;
    QRgb shadow = shadowRgb;
};

VekPushButton::VekPushButton(QWidget *parent)
    : QPushButton(parent)
    , d(std::make_unique<VekPushButtonPrivate>())
{
    init();
}

VekPushButton::VekPushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
    , d(std::make_unique<VekPushButtonPrivate>())
{
    init();
}

VekPushButton::VekPushButton(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
    , d(std::make_unique<VekPushButtonPrivate>())
{
    init();
}

VekPushButton::~VekPushButton() = default;

void VekPushButton::init()
{
    d->isOver = false;
    d->isPressed = false;
    d->shadow = shadowRgb;
    setFocusPolicy(Qt::NoFocus);
    initDefaultStyle();
}

void VekPushButton::initDefaultStyle()
{
    if (d->palette)
        disconnect(d->palette.data(), &VekPalette::changed, this, &VekPushButton::updatePalette);
    d->palette = VekPalette::global();
    connect(d->palette.data(), &VekPalette::changed, this, &VekPushButton::updatePalette,
            Qt::UniqueConnection);
    // Virtual dispatch reaches only this class's colours during construction; a derived
    // class takes its own colours once it exists.
    parsePalette();
}

void VekPushButton::setVekPalette(QSharedPointer<VekPalette> palette)
{
    if (!palette || palette == d->palette)
        return;
    disconnect(d->palette.data(), &VekPalette::changed, this, &VekPushButton::updatePalette);
    d->palette = palette;
    connect(d->palette.data(), &VekPalette::changed, this, &VekPushButton::updatePalette,
            Qt::UniqueConnection);
    parsePalette();
    update();
}

QSharedPointer<VekPalette> VekPushButton::vekPalette() const
{
    return d->palette;
}

void VekPushButton::setOver(bool over)
{
    d->isOver = over;
}

void VekPushButton::updatePalette()
{
    parsePalette();
    update();
}

void VekPushButton::parsePalette()
{
    setBodyColors(d->palette->color(VekPalette::AccentFallback),
                  d->palette->color(VekPalette::PrimaryLight),
                  d->palette->color(VekPalette::PrimaryDark),
                  d->palette->color(VekPalette::AccentFallback));
}

void VekPushButton::setBodyColors(const QColor &normal, const QColor &over, const QColor &pressed,
                                  const QColor &disabled)
{
    d->normal = normal;
    d->over = over;
    d->pressed = pressed;
    d->disabled = disabled;
}

QSize VekPushButton::sizeHint() const
{
    return QPushButton::sizeHint() + QSize(hintExtraWidth, hintExtraHeight);
}

QSize VekPushButton::minimumSizeHint() const
{
    // The base minimum hint already asks the (overridden) size hint; start from its own.
    return QPushButton::sizeHint() + QSize(hintExtraWidth, hintExtraHeight);
}

void VekPushButton::enterEvent(QEvent *event)
{
    d->isOver = true;
    setAttribute(Qt::WA_UnderMouse, true);
    QPushButton::enterEvent(event);
    repaint();
}

void VekPushButton::leaveEvent(QEvent *event)
{
    if (d->isPressed)
        return;
    d->isOver = false;
    setAttribute(Qt::WA_UnderMouse, false);
    QPushButton::leaveEvent(event);
    repaint();
}

void VekPushButton::mousePressEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    if (!d->isOver)
        enterEvent(event);
    if (!d->isPressed) {
        d->isPressed = true;
        repaint();
        event->accept();
    }
}

void VekPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!d->isPressed)
        return;
    d->isPressed = false;
    if (d->isOver)
        emit clicked(false);
    else
        leaveEvent(event);
    repaint();
}

void VekPushButton::mouseMoveEvent(QMouseEvent *event)
{
    d->isOver = rect().contains(event->pos());
}

void VekPushButton::paintEvent(QPaintEvent *)
{
    const int width = this->width();
    const int height = this->height();
    const bool enabled = isEnabled();
    const bool down = d->isPressed || isChecked();

    QColor body = d->normal;
    if (d->isOver)
        body = d->over;
    if (down)
        body = d->pressed;
    if (!enabled)
        body = d->disabled;

    // The shadow deepens while the button is held, and a disabled button lies flat.
    int depth = 3;
    int side = 2;
    if (down) {
        depth = 7;
        side = 4;
    }
    if (!enabled) {
        depth = 0;
        side = 0;
    }
    const int radius = down || !enabled ? 1 : 2;
    const int elevation = enabled ? 1 : 0;
    int left = side;
    int right = side;
    if (side > 1) {
        left = side - 1;
        right = side + 1;
    }
    const int layers = std::max({right, depth, left >= elevation ? left : 1});

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    if (enabled) {
        for (int i = 0; i < layers; ++i) {
            QColor shadow = QColor::fromRgb(d->shadow);
            shadow.setAlphaF(static_cast<qreal>(i + 1) / layers);
            painter.setPen(shadow);
            painter.drawRoundedRect(QRect(4 - left + i, 2 - elevation + i,
                                          width - 10 + left + right - 2 * i,
                                          height - 10 + depth + elevation - 2 * i),
                                    radius, radius);
        }
    }

    const QRect bodyRect(3, 1, width - 8, height - 8);
    painter.setPen(body);
    painter.drawRoundedRect(bodyRect, radius, radius);
    painter.fillRect(bodyRect, body);
    painter.end();

    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::Flat;
    if (menu())
        option.features |= QStyleOptionButton::HasMenu;
    option.text = text();
    option.icon = icon();
    option.iconSize = iconSize();
    option.rect = QRect(QPoint(13, 7), QPoint(width + 4, height - 14));
    option.palette.setColor(QPalette::ButtonText, VekPalette::color(VekPalette::Text, body));
    QStylePainter labelPainter(this);
    labelPainter.drawControl(QStyle::CE_PushButtonLabel, option);
}
