#include "ui/pinnedcollectionwidget.h"

#include "resources/resourceinterface.h"
#include "ui/pinnedwrapframe.h"
#include "ui/viewbase/viewinterface.h"

#include "ui_pinnedcollectionwidget.h"

#include <QEvent>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalMapper>
#include <QStyle>

namespace {
void repolish(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

// Holds the frames at their own widths while they fit and scrolls them sideways when they do
// not, so that the row never asks the window for more width than its screen has. Its height
// at a width is the frames' own plus the scroll bar's when the frames need the bar there, so
// no frame is cut short and no empty strip is left while they fit.
class PinnedRowArea : public QScrollArea
{
public:
    explicit PinnedRowArea(QWidget *parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        viewport()->setAutoFillBackground(false);
    }

    QSize sizeHint() const override
    {
        if (!widget())
            return QSize();
        const QSize hint = widget()->sizeHint();
        return QSize(hint.width(), heightForWidth(hint.width()));
    }

    QSize minimumSizeHint() const override
    {
        if (!widget())
            return QSize();
        return QSize(0, widget()->minimumSizeHint().height() + barHeight());
    }

    bool hasHeightForWidth() const override { return widget() != nullptr; }

    int heightForWidth(int width) const override
    {
        if (!widget())
            return -1;
        const bool bar = widget()->minimumSizeHint().width() > width;
        return widget()->sizeHint().height() + (bar ? barHeight() : 0);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool handled = QScrollArea::eventFilter(watched, event);
        // A frame came, went or changed its size: the row's hints follow it.
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            updateGeometry();
        return handled;
    }

private:
    int barHeight() const { return horizontalScrollBar()->sizeHint().height(); }
};
} // namespace

PinnedCollectionWidget::PinnedCollectionWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::PinnedCollectionWidget)
    , m_hideMapper(new QSignalMapper(this))
    , m_maximizeMapper(new QSignalMapper(this))
    , m_rowArea(new PinnedRowArea(this))
{
    m_ui->setupUi(this);
    delete m_ui->horizontalLayout->replaceWidget(m_ui->contentWidget, m_rowArea);
    m_rowArea->setWidget(m_ui->contentWidget);
    m_ui->mockFrame->show();
    connect(m_hideMapper, &QSignalMapper::mappedInt, this, &PinnedCollectionWidget::onHideClicked);
    connect(m_maximizeMapper, &QSignalMapper::mappedInt, this,
            &PinnedCollectionWidget::onMaximizeClicked);
}

PinnedCollectionWidget::~PinnedCollectionWidget()
{
    // The views own their pinned widgets; the frames must not take them along.
    for (const auto &view : m_views) {
        if (QWidget *pinned = view->pinnedUserInterface())
            pinned->setParent(nullptr);
    }
    delete m_ui;
}

int PinnedCollectionWidget::count() const
{
    return static_cast<int>(m_views.size());
}

bool PinnedCollectionWidget::pin(const std::shared_ptr<ViewInterface> &view)
{
    const int index = indexOf(view);
    if (index >= 0) {
        m_frames[index]->show();
    } else {
        m_views.add(view);
        addPinnedWidget(view);
    }
    layOutRow();
    updateMockWidget();
    updateWidgetBorders();
    return true;
}

void PinnedCollectionWidget::addPinnedWidget(const std::shared_ptr<ViewInterface> &view)
{
    const std::shared_ptr<ResourceInterface> resource = view->resource();
    auto *frame = new PinnedWrapFrame(view->pinnedUserInterface(),
                                      resource ? resource->description() : QString(),
                                      m_ui->contentWidget);
    connect(frame, &PinnedWrapFrame::hideClicked, m_hideMapper,
            QOverload<>::of(&QSignalMapper::map));
    connect(frame, &PinnedWrapFrame::maximizeClicked, m_maximizeMapper,
            QOverload<>::of(&QSignalMapper::map));
    m_hideMapper->setMapping(frame, count() - 1);
    m_maximizeMapper->setMapping(frame, count() - 1);

    m_ui->contentWidget->layout()->addWidget(frame);
    m_frames.append(frame);
    frame->show();
    frame->update();

    if (view->isError())
        frame->setErrorState();
    connect(view.get(), &ViewInterface::errorOccured, frame, &PinnedWrapFrame::setErrorState);
}

void PinnedCollectionWidget::hidePinnedView(const std::shared_ptr<ViewInterface> &view)
{
    const int index = indexOf(view);
    if (index < 0)
        return;
    m_frames[index]->hide();
    updateMockWidget();
    updateWidgetBorders();
}

void PinnedCollectionWidget::removePinnedView(const std::shared_ptr<ViewInterface> &view)
{
    const int index = indexOf(view);
    if (index < 0)
        return;
    takeFrame(index);
    for (int j = index; j < m_frames.size(); ++j) {
        m_hideMapper->removeMappings(m_frames[j]);
        m_maximizeMapper->removeMappings(m_frames[j]);
        m_hideMapper->setMapping(m_frames[j], j);
        m_maximizeMapper->setMapping(m_frames[j], j);
    }
    updateMockWidget();
    updateWidgetBorders();
}

void PinnedCollectionWidget::clear()
{
    while (!m_frames.isEmpty())
        takeFrame(m_frames.size() - 1);
    updateMockWidget();
    updateWidgetBorders();
}

void PinnedCollectionWidget::takeFrame(int index)
{
    PinnedWrapFrame *frame = m_frames.takeAt(index);
    m_hideMapper->removeMappings(frame);
    m_maximizeMapper->removeMappings(frame);
    m_ui->contentWidget->layout()->removeWidget(frame);

    const std::shared_ptr<ViewInterface> view = m_views[static_cast<unsigned>(index)];
    // The view keeps its pinned widget: take it out before the frame is deleted.
    if (QWidget *pinned = view->pinnedUserInterface())
        pinned->setParent(nullptr);
    disconnect(view.get(), &ViewInterface::errorOccured, frame, &PinnedWrapFrame::setErrorState);
    frame->hide();
    frame->deleteLater();
    m_views.remove(view);
}

void PinnedCollectionWidget::onHideClicked(int index)
{
    const std::shared_ptr<ViewInterface> view = m_views[static_cast<unsigned>(index)];
    if (view)
        emit aboutToHide(view);
}

void PinnedCollectionWidget::onMaximizeClicked(int index)
{
    const std::shared_ptr<ViewInterface> view = m_views[static_cast<unsigned>(index)];
    if (!view)
        return;
    m_frames[index]->hide();
    emit aboutToMaximize(view);
}

int PinnedCollectionWidget::indexOf(const std::shared_ptr<ViewInterface> &view) const
{
    for (unsigned i = 0; i < m_views.size(); ++i) {
        if (m_views[i] == view)
            return static_cast<int>(i);
    }
    return -1;
}

void PinnedCollectionWidget::updateMockWidget()
{
    const int available = m_ui->horizontalLayout->contentsRect().width();
    if (available == 0) {
        m_ui->mockFrame->show();
        return;
    }
    const int spacing = m_ui->horizontalLayout->spacing();
    int used = spacing + (m_frames.size() - 1) * spacing;
    for (PinnedWrapFrame *frame : qAsConst(m_frames)) {
        if (frame->isVisibleTo(this))
            used += frame->sizeHint().width();
    }
    m_ui->mockFrame->setVisible(used < available);
}

void PinnedCollectionWidget::updateWidgetBorders()
{
    PinnedWrapFrame *first = nullptr;
    PinnedWrapFrame *last = nullptr;
    int visible = 0;
    for (PinnedWrapFrame *frame : qAsConst(m_frames)) {
        if (!frame->isVisibleTo(this))
            continue;
        frame->setSticky(0);
        repolish(frame);
        frame->update();
        if (!first)
            first = frame;
        last = frame;
        ++visible;
    }
    if (visible == 0)
        return;
    const bool mockVisible = m_ui->mockFrame->isVisibleTo(this);
    if (visible == 1) {
        first->setSticky(mockVisible ? 1 : 3);
        repolish(first);
        return;
    }
    first->setSticky(1);
    if (!mockVisible)
        last->setSticky(2);
    repolish(last);
    repolish(first);
}

// A frame shown or added changes the row's height, but the scroll area's viewport has no
// layout, so the change would climb to the page only on posted requests. The pinning
// animation ends at the frame's place, which is wanted now: the row's own layouts and those
// of the widgets around it that size it are brought up to date, bottom up, as showing a
// widget does, and no other pending layout of the application is touched.
void PinnedCollectionWidget::layOutRow()
{
    if (!isVisible())
        return;
    m_ui->contentWidget->layout()->activate();
    m_rowArea->updateGeometry();
    for (QWidget *widget = this; widget; widget = widget->parentWidget()) {
        if (QLayout *layout = widget->layout())
            layout->activate();
        if (widget->isWindow())
            break;
    }
}

void PinnedCollectionWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateMockWidget();
    updateWidgetBorders();
}

void PinnedCollectionWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
}
