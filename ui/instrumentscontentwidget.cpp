#include "ui/instrumentscontentwidget.h"

#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/options.h"
#include "hardware/moduleinterface.h"
#include "resources/resourcecollection.h"
#include "resources/resourcecreator.h"
#include "resources/resourcedependence.h"
#include "resources/resourceinterface.h"
#include "ui/activeviewcollection.h"
#include "ui/viewbase/viewinterface.h"
#include "ui/viewfactory.h"
#include "views/oscilloscope/digitaloscilloscopeview.h"

#include "ui_instrumentscontentwidget.h"

#include <QEvent>
#include <QLayout>
#include <QPropertyAnimation>
#include <QScrollBar>

namespace {
constexpr int selectionPage = 0;
constexpr int fullScreenPage = 1;
constexpr int pinAnimationMs = 100;

// Only a maximized oscilloscope can export its picture and data.
DigitalOscilloscopeView *maximizedOscilloscope(const std::shared_ptr<ViewInterface> &view)
{
    if (!view || view->type() != DigitalOscilloscopeView::staticViewType())
        return nullptr;
    return qobject_cast<DigitalOscilloscopeView *>(view.get());
}
} // namespace

InstrumentsContentWidget::InstrumentsContentWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::InstrumentsContentWidget)
{
    m_ui->setupUi(this);
    m_ui->pinnedCollectionWidget->hide();
    m_ui->stackedWidget->setCurrentIndex(selectionPage);
    m_activeViews = new ActiveViewCollection(viewsLimit, this);
    createLinks();
}

InstrumentsContentWidget::~InstrumentsContentWidget()
{
    // The views own their full forms; page 1 must not delete one with itself.
    if (const auto maximized = m_activeViews->getMaximizedView())
        takeFullScreen(maximized);
    ResourceCollection::instance()->removeAll();
    delete m_ui;
}

const ActiveViewCollection *InstrumentsContentWidget::activeViews() const
{
    return m_activeViews;
}

void InstrumentsContentWidget::createLinks()
{
    connect(m_activeViews, &ActiveViewCollection::wasMaximized, this,
            &InstrumentsContentWidget::maximizeView);
    connect(m_activeViews, &ActiveViewCollection::wasHidden, this,
            &InstrumentsContentWidget::hideView);
    connect(m_activeViews, &ActiveViewCollection::wasPinned, this,
            &InstrumentsContentWidget::pinView);
    connect(m_activeViews, &ActiveViewCollection::wasMaximized, this,
            &InstrumentsContentWidget::onCurrentInstrumentChanged);
    connect(m_activeViews, &ActiveViewCollection::wasPinned, this,
            &InstrumentsContentWidget::onCurrentInstrumentChanged);
    // Through the page, so that a view the workspace refuses gives its modules back.
    connect(m_ui->viewSelectionWidget, &ViewSelectionWidget::selected, this,
            &InstrumentsContentWidget::onSelected, Qt::DirectConnection);
    connect(m_ui->pinnedCollectionWidget, &PinnedCollectionWidget::aboutToHide, m_activeViews,
            &ActiveViewCollection::hide, Qt::DirectConnection);
    connect(m_ui->pinnedCollectionWidget, &PinnedCollectionWidget::aboutToMaximize, m_activeViews,
            &ActiveViewCollection::maximize, Qt::DirectConnection);
    connect(get_cache()->arrangements.get(), &ArrangementsCollection::currentArrangementChanged,
            this, &InstrumentsContentWidget::restoreArrangement);
}

bool InstrumentsContentWidget::canPin() const
{
    return m_activeViews->size() < m_activeViews->limit() && m_ui->viewSelectionWidget->count() > 0
            && m_activeViews->size() > 0 && m_ui->stackedWidget->currentIndex() == fullScreenPage;
}

void InstrumentsContentWidget::reset()
{
    restoreArrangement(get_cache()->arrangements->currentArrangement());
}

void InstrumentsContentWidget::onSelected(const std::shared_ptr<ViewInterface> &view)
{
    m_activeViews->maximize(view);
    if (!m_activeViews->exists(view))
        ResourceCollection::instance()->remove(view->resource());
}

void InstrumentsContentWidget::storeArrangement(ArrangementState &state) const
{
    const std::shared_ptr<ViewInterface> maximized = m_activeViews->getMaximizedView();
    for (unsigned i = 0; i < m_activeViews->size(); ++i) {
        const std::shared_ptr<ViewInterface> view = m_activeViews->at(i);
        const std::shared_ptr<ResourceInterface> resource = view->resource();
        if (!resource)
            continue;
        QStringList names;
        if (const auto dependencies = resource->getDependencies()) {
            for (bool more = dependencies->first(); more; more = dependencies->next()) {
                const ModuleInterface *module = dependencies->module();
                names << (module ? module->namePrefix() : QString());
            }
        }
        state.addResourceInformation(resource->type(), resource->uniqueId(), view == maximized,
                                     names.join(QLatin1Char('_')));
    }
}

void InstrumentsContentWidget::saveArrangement()
{
    ArrangementState state;
    storeArrangement(state);
    get_cache()->arrangements->setCurrentArrangement(state);
}

void InstrumentsContentWidget::showFullScreen(const std::shared_ptr<ViewInterface> &view)
{
    if (QWidget *full = view->fullScreenUserInterface()) {
        m_ui->fullScreenLayout->addWidget(full);
        full->show();
    }
    // The page is shared by every view: the position the one before was left at means
    // nothing to this one.
    m_ui->fullScreenScrollArea->horizontalScrollBar()->setValue(0);
    m_ui->fullScreenScrollArea->verticalScrollBar()->setValue(0);
}

void InstrumentsContentWidget::takeFullScreen(const std::shared_ptr<ViewInterface> &view)
{
    QWidget *full = view->fullScreenUserInterface();
    if (full && full->parentWidget() == m_ui->fullScreenContent) {
        m_ui->fullScreenLayout->removeWidget(full);
        full->setParent(nullptr);
    }
}

void InstrumentsContentWidget::connectMaximizedErrors(const std::shared_ptr<ViewInterface> &view)
{
    connect(view.get(), &ViewInterface::errorOccured, this,
            &InstrumentsContentWidget::currentIntsrumentErrorOccured, Qt::UniqueConnection);
}

void InstrumentsContentWidget::maximizeView(const std::shared_ptr<ViewInterface> &view)
{
    m_ui->viewSelectionWidget->remove(view);
    m_ui->pinnedCollectionWidget->hidePinnedView(view);
    if (m_activeViews->getPinnedViews().empty())
        m_ui->pinnedCollectionWidget->hide();
    m_ui->stackedWidget->setCurrentIndex(fullScreenPage);
    showFullScreen(view);
    emit pinEnabledChanged(canPin());
    saveArrangement();
    if (view->type() == DigitalOscilloscopeView::staticViewType())
        emit saveEnabledChanged(true);
}

void InstrumentsContentWidget::pinView(const std::shared_ptr<ViewInterface> &view)
{
    disconnect(view.get(), &ViewInterface::errorOccured, this,
               &InstrumentsContentWidget::currentIntsrumentErrorOccured);
    takeFullScreen(view);
    m_ui->pinnedCollectionWidget->show();
    animatedPinn(view);
    emit saveEnabledChanged(false);
    emit pinEnabledChanged(canPin());
    saveArrangement();
}

void InstrumentsContentWidget::animatedPinn(const std::shared_ptr<ViewInterface> &view)
{
    m_ui->pinnedCollectionWidget->pin(view);
    QWidget *pinned = view->pinnedUserInterface();
    // A rebuild pins into the hidden row: the widget has no place of its own yet, and an
    // animation towards its stale geometry would leave it there once the row is laid out.
    if (!pinned || !pinned->isVisible())
        return;
    const QRect end = pinned->frameGeometry();
    // Parented to the widget it moves, so it cannot outlive it; it deletes itself when done.
    auto *animation = new QPropertyAnimation(pinned, "geometry", pinned);
    animation->setDuration(pinAnimationMs);
    animation->setEasingCurve(QEasingCurve::Linear);
    animation->setStartValue(QRect(end.left(), end.top(), 0, end.height()));
    animation->setEndValue(end);
    // The end was taken from the row's layout of that moment; the widget's own minimum may
    // have grown since (its labels fitted once shown). The layout places it again when the
    // animation lets go, so it never stays squeezed below its minimum.
    connect(animation, &QPropertyAnimation::finished, pinned, [pinned] {
        QWidget *holder = pinned->parentWidget();
        if (QLayout *layout = holder ? holder->layout() : nullptr) {
            layout->invalidate();
            layout->activate();
        }
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void InstrumentsContentWidget::hideView(const std::shared_ptr<ViewInterface> &view)
{
    takeFullScreen(view);
    m_ui->pinnedCollectionWidget->removePinnedView(view);
    if (m_activeViews->getPinnedViews().empty())
        m_ui->pinnedCollectionWidget->hide();
    m_ui->viewSelectionWidget->add(view);
    // The view that went may have been a pinned one: the maximized view keeps its buttons.
    announceToolBarStates();
    saveArrangement();
}

void InstrumentsContentWidget::announceToolBarStates()
{
    emit saveEnabledChanged(maximizedOscilloscope(m_activeViews->getMaximizedView()) != nullptr);
    emit pinEnabledChanged(canPin());
}

void InstrumentsContentWidget::onCurrentInstrumentChanged()
{
    if (const auto maximized = m_activeViews->getMaximizedView()) {
        connectMaximizedErrors(maximized);
        emit currentInstrumentChanged(maximized->displayType());
    } else {
        emit currentInstrumentChanged(QString());
    }
}

void InstrumentsContentWidget::pin()
{
    if (!canPin())
        return;
    if (const auto maximized = m_activeViews->getMaximizedView()) {
        disconnect(maximized.get(), &ViewInterface::errorOccured, this,
                   &InstrumentsContentWidget::currentIntsrumentErrorOccured);
        m_activeViews->pin(maximized);
    }
    m_ui->stackedWidget->setCurrentIndex(selectionPage);
    emit pinEnabledChanged(canPin());
}

void InstrumentsContentWidget::savePicture()
{
    if (auto *oscilloscope = maximizedOscilloscope(m_activeViews->getMaximizedView()))
        emit oscilloscope->savePictureRequested();
}

void InstrumentsContentWidget::saveData()
{
    if (auto *oscilloscope = maximizedOscilloscope(m_activeViews->getMaximizedView()))
        emit oscilloscope->saveDataRequested();
}

void InstrumentsContentWidget::stop()
{
    for (unsigned i = 0; i < m_activeViews->size(); ++i)
        m_activeViews->at(i)->close();
}

void InstrumentsContentWidget::clear()
{
    m_ui->pinnedCollectionWidget->clear();
    m_ui->pinnedCollectionWidget->hide();

    const bool blocked = m_activeViews->blockSignals(true);
    while (m_activeViews->size() > 0) {
        const std::shared_ptr<ViewInterface> view = m_activeViews->at(0);
        takeFullScreen(view);
        m_activeViews->hide(view);
    }
    m_activeViews->blockSignals(blocked);

    ResourceCollection::instance()->removeAll();
    m_ui->viewSelectionWidget->clear();
    m_ui->fullScreenPage->resize(m_ui->stackedWidget->contentsRect().size());
    emit saveEnabledChanged(false);
}

bool InstrumentsContentWidget::restoreArrangement(const ArrangementState &state)
{
    {
        ArrangementState own;
        storeArrangement(own);
        if (own == state && state.isValid())
            return true;
    }

    ViewFactory factory;
    ResourceCreator creator;
    const bool blocked = m_activeViews->blockSignals(true);
    clear();

    const QStringList resourceTypes = creator.availableTypes();
    const QStringList viewTypes = factory.availiableTypes();
    bool maximizedTaken = false;
    for (int i = 0; i < state.count(); ++i) {
        // Entries past the limit would occupy modules for views the workspace refuses.
        if (m_activeViews->size() >= m_activeViews->limit())
            break;
        if (!resourceTypes.contains(state.type(i)))
            continue;
        std::shared_ptr<ResourceInterface> resource;
        for (const auto &candidate : creator.create(state.type(i))) {
            if (candidate->uniqueId() == state.uniqueId(i)) {
                resource = candidate;
                break;
            }
        }
        if (!resource || !viewTypes.contains(resource->viewType()))
            continue;
        std::shared_ptr<ViewInterface> view(
                qobject_cast<ViewInterface *>(factory.create(resource->viewType())));
        if (!view)
            continue;
        if (!ResourceCollection::instance()->add(resource))
            continue;
        view->setResource(resource);

        // Only the first maximized entry is maximized; a stored file may mark several.
        if (state.isMaximized(i) && !maximizedTaken) {
            m_activeViews->maximize(view);
            if (m_activeViews->exists(view)) {
                maximizedTaken = true;
                showFullScreen(view);
            }
        } else {
            m_activeViews->pin(view);
            if (m_activeViews->exists(view))
                animatedPinn(view);
        }
        if (!m_activeViews->exists(view)) {
            ResourceCollection::instance()->remove(resource);
            continue;
        }
        if (QWidget *pinned = view->pinnedUserInterface())
            ViewSelectionWidget::maxPinnedWidgetHeight =
                    qMax(ViewSelectionWidget::maxPinnedWidgetHeight, pinned->sizeHint().height());
    }

    m_ui->pinnedCollectionWidget->setVisible(!m_activeViews->getPinnedViews().empty());
    m_ui->viewSelectionWidget->populate();
    for (unsigned i = 0; i < m_activeViews->size(); ++i) {
        if (QWidget *pinned = m_activeViews->at(i)->pinnedUserInterface())
            pinned->setMinimumHeight(ViewSelectionWidget::maxPinnedWidgetHeight);
    }

    const std::shared_ptr<ViewInterface> maximized = m_activeViews->getMaximizedView();
    if (maximized) {
        m_ui->stackedWidget->setCurrentIndex(fullScreenPage);
        if (maximized->type() == DigitalOscilloscopeView::staticViewType())
            emit saveEnabledChanged(true);
    } else {
        m_ui->stackedWidget->setCurrentIndex(selectionPage);
    }
    emit pinEnabledChanged(canPin());
    m_activeViews->blockSignals(blocked);

    // The rebuild ran with the collection's signals blocked: the maximized view's errors
    // and the caption would otherwise still belong to the workspace before it.
    onCurrentInstrumentChanged();
    return m_activeViews->size() > 0;
}

void InstrumentsContentWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    const auto maximized = m_activeViews->getMaximizedView();
    emit currentInstrumentRenamed(maximized ? maximized->displayType() : QString());
}
