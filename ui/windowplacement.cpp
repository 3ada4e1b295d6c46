#include "ui/windowplacement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint placedOver(const QSize &frame, const QRect &over, const QRect &available)
{
    QRect placed(QPoint(0, 0), frame);
    placed.moveCenter(over.center());
    if (placed.right() > available.right())
        placed.moveRight(available.right());
    if (placed.bottom() > available.bottom())
        placed.moveBottom(available.bottom());
    if (placed.left() < available.left())
        placed.moveLeft(available.left());
    if (placed.top() < available.top())
        placed.moveTop(available.top());
    return placed.topLeft();
}

WindowPlacement::WindowPlacement(QWidget *mainWindow)
    : QObject(mainWindow)
    , m_mainWindow(mainWindow)
{
    qApp->installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    // A window coming back from the task bar stays where the user left it.
    if (event->type() != QEvent::Show || event->spontaneous() || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const Qt::WindowType type = widget->windowType();
    if (widget != m_mainWindow && widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
        place(widget);
    return false;
}

void WindowPlacement::place(QWidget *window) const
{
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // A window's own message box or question opens over that window, where the user is
    // looking; only a window that belongs to none goes over the main window.
    QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : m_mainWindow;
    if (!owner->isVisible())
        owner = m_mainWindow;
    if (!owner->isVisible())
        return;
    const QRect over = owner->frameGeometry();
    const QScreen *screen = QGuiApplication::screenAt(over.center());
    if (!screen)
        screen = owner->screen();
    if (!screen)
        return;
    QSize frame = window->frameGeometry().size();
    // Before its first show a window's frame is not known yet; it will be like its owner's.
    if (window->frameGeometry() == window->geometry())
        frame += over.size() - owner->geometry().size();
    // The position of a window is that of its frame.
    window->move(placedOver(frame, over, screen->availableGeometry()));
}
