#include "ui/pagescrollarea.h"

#include <QEvent>

PageScrollArea::PageScrollArea(QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
}

QSize PageScrollArea::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    return widget()->sizeHint().expandedTo(minimumSizeHint());
}

QSize PageScrollArea::minimumSizeHint() const
{
    if (!widget())
        return QScrollArea::minimumSizeHint();
    return widget()->minimumSizeHint().expandedTo(widget()->minimumSize());
}

bool PageScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    const bool handled = QScrollArea::eventFilter(watched, event);
    // The page's hints changed (a view came or went, its form grew): the window follows them.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return handled;
}
