#pragma once

#include <QScrollArea>

// Holds a page at its full size whenever the window gives it room and lets it scroll only when
// the window is smaller than the page's minimum, as on a small screen. Its hints are the page's
// own, so the window is sized and bounded as if the page lay in it directly.
class PageScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit PageScrollArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
