#pragma once

#include <QToolButton>

#include <memory>

class ViewInterface;

// The card of one candidate on the view-selection page: the view's name, a live picture of
// its pinned widget and the resource's description. The picture is rendered on every paint,
// so the card stays current without a timer of its own.
class PinnedViewMiniatureButton : public QToolButton
{
    Q_OBJECT
public:
    PinnedViewMiniatureButton(const std::shared_ptr<ViewInterface> &view, const QString &caption,
                              QWidget *parent = nullptr);
    ~PinnedViewMiniatureButton() override;

    // A height of 0 or less falls back to the pinned widget's own size-hint height.
    void setPinnedWidgetPixmapHeight(int height);
    void resetPinnedWidgetPixmapHeight();
    int pinnedWidgetPixmapHeight() const;

    // Kept until the pixmap height, the font, the style or the language changes.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int pinnedWidgetHintHeight() const;
    void dropSizeHint();

    std::shared_ptr<ViewInterface> m_view;
    QString m_caption;
    mutable int m_hintWidth = -1;
    mutable int m_hintHeight = -1;
    int m_pixmapHeight = 0;
};
