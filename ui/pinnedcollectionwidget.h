#pragma once

#include "ui/viewcollection.h"

#include <QList>
#include <QWidget>

#include <memory>

class PinnedWrapFrame;
class QScrollArea;
class QSignalMapper;
class ViewInterface;

namespace Ui {
class PinnedCollectionWidget;
}

// The row of pinned views at the foot of the Instruments page. It only shows frames and
// reports their buttons; the workspace decides what a click means.
class PinnedCollectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PinnedCollectionWidget(QWidget *parent = nullptr);
    ~PinnedCollectionWidget() override;

    int count() const;
    // Shows the view's frame again when it is already here; always true.
    bool pin(const std::shared_ptr<ViewInterface> &view);
    void addPinnedWidget(const std::shared_ptr<ViewInterface> &view);
    void hidePinnedView(const std::shared_ptr<ViewInterface> &view);
    void removePinnedView(const std::shared_ptr<ViewInterface> &view);
    void clear();

signals:
    void aboutToHide(std::shared_ptr<ViewInterface> view);
    void aboutToMaximize(std::shared_ptr<ViewInterface> view);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onHideClicked(int index);
    void onMaximizeClicked(int index);
    int indexOf(const std::shared_ptr<ViewInterface> &view) const;
    void takeFrame(int index);
    void updateMockWidget();
    void updateWidgetBorders();
    void layOutRow();

    Ui::PinnedCollectionWidget *m_ui;
    QSignalMapper *m_hideMapper;
    QSignalMapper *m_maximizeMapper;
    QScrollArea *m_rowArea;
    QList<PinnedWrapFrame *> m_frames;
    ViewCollection m_views;
};
