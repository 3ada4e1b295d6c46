#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// The top-left corner for a window frame of the given size placed over another window's
// frame: centred on it, then moved, never resized, into the available area. A frame larger
// than the area keeps its top-left corner inside it.
QPoint placedOver(const QSize &frame, const QRect &over, const QRect &available);

// Places every window the program opens besides the main window (the views' settings windows
// and dialogs, message boxes, file dialogs) over the window it belongs to, or over the main
// window when it belongs to none, and inside that screen's available area each time one is
// shown. The views open them without a parent or without a position, so the platform would
// put them anywhere on the desktop, even off the screen; one filter of the application's
// events keeps them where the user looks, whatever view opens them.
class WindowPlacement : public QObject
{
    Q_OBJECT
public:
    // Filters the application's events from now on; a child of the main window.
    explicit WindowPlacement(QWidget *mainWindow);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *window) const;

    QWidget *m_mainWindow;
};
