#include "ui/viewselectionwidget.h"

#include "resources/resourcecollection.h"
#include "resources/resourceinterface.h"
#include "ui/pinnedviewminiaturebutton.h"
#include "ui/viewbase/flowgridlayout.h"
#include "ui/viewbase/viewinterface.h"

#include <QEvent>
#include <QSignalMapper>
#include <QStyle>

int ViewSelectionWidget::maxPinnedWidgetHeight = 0;

ViewSelectionWidget::ViewSelectionWidget(QWidget *parent)
    : QWidget(parent)
    , m_mapper(new QSignalMapper(this))
{
    auto *layout = new FlowGridLayout(this, 2, 3);
    layout->setSpacing(6);
    layout->setContentsMargins(6, 6, 6, 6);
    createLinks();
}

ViewSelectionWidget::~ViewSelectionWidget() = default;

void ViewSelectionWidget::populate()
{
    clearLayout(0);
    clearCollection();
    m_resources.clear();
    addAvailable();
    updateButtonsHeight();
}

void ViewSelectionWidget::addAvailable()
{
    const QStringList viewTypes = m_factory.availiableTypes();
    const QStringList resourceTypes = m_creator.availableTypes();
    for (const QString &resourceType : resourceTypes) {
        const QList<std::shared_ptr<ResourceInterface>> resources = m_creator.create(resourceType);
        if (resources.isEmpty() || !viewTypes.contains(resources.first()->viewType()))
            continue;
        for (const auto &resource : resources) {
            if (!createView(resource->viewType()))
                continue;
            m_resources.append(resource);
            addViewToLayout(m_views.size() - 1);
        }
    }
}

void ViewSelectionWidget::add(const std::shared_ptr<ViewInterface> &view)
{
    if (view)
        ResourceCollection::instance()->remove(view->resource());
    populate();
}

void ViewSelectionWidget::remove(const std::shared_ptr<ViewInterface> &view)
{
    Q_UNUSED(view)
    removeUnavailable();
    resetMappings();
    updateButtonsHeight();
    layout()->update();
}

void ViewSelectionWidget::removeUnavailable()
{
    for (int i = m_resources.size() - 1; i >= 0; --i) {
        if (!ResourceCollection::instance()->canAdd(m_resources[i]))
            removeView(i);
    }
}

void ViewSelectionWidget::clear()
{
    while (!m_resources.isEmpty())
        removeView(m_resources.size() - 1);
}

int ViewSelectionWidget::count() const
{
    return static_cast<int>(m_views.size());
}

bool ViewSelectionWidget::hasView(const std::shared_ptr<ViewInterface> &view) const
{
    for (const auto &candidate : m_views) {
        if (candidate == view)
            return true;
    }
    return false;
}

void ViewSelectionWidget::onSelected(int index)
{
    if (index < 0 || index >= m_resources.size())
        return;
    std::shared_ptr<ResourceInterface> resource = m_resources[index];
    const std::shared_ptr<ViewInterface> view = m_views[static_cast<unsigned>(index)];
    if (!view || !ResourceCollection::instance()->add(resource))
        return;
    view->setResource(resource);
    emit selected(view);
}

void ViewSelectionWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        populate();
    } else if (event->type() == QEvent::StyleChange) {
        style()->unpolish(this);
        style()->polish(this);
    }
}

bool ViewSelectionWidget::createView(const QString &type)
{
    QObject *object = m_factory.create(type);
    auto *view = qobject_cast<ViewInterface *>(object);
    if (!view) {
        delete object;
        return false;
    }
    m_views.add(std::shared_ptr<ViewInterface>(view));
    return true;
}

void ViewSelectionWidget::addViewToLayout(unsigned index)
{
    const QString caption = m_resources[static_cast<int>(index)]->description();
    auto *button = new PinnedViewMiniatureButton(m_views[index], caption, this);
    button->setAutoRaise(true);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(button, &PinnedViewMiniatureButton::clicked, m_mapper,
            QOverload<>::of(&QSignalMapper::map));
    m_mapper->setMapping(button, static_cast<int>(index));
    layout()->addWidget(button);
    m_buttons.append(button);
}

void ViewSelectionWidget::removeView(int index)
{
    if (QLayoutItem *item = layout()->itemAt(index)) {
        if (QWidget *widget = item->widget()) {
            m_mapper->removeMappings(widget);
            layout()->removeWidget(widget);
            widget->deleteLater();
        }
    }
    if (index >= 0 && index < m_buttons.size())
        m_buttons.removeAt(index);
    const std::shared_ptr<ViewInterface> view = m_views[static_cast<unsigned>(index)];
    if (index >= 0 && index < m_resources.size())
        m_resources.removeAt(index);
    m_views.remove(view);
}

void ViewSelectionWidget::clearLayout(int from)
{
    for (int i = layout()->count() - 1; i >= from; --i) {
        QLayoutItem *item = layout()->itemAt(i);
        if (QWidget *widget = item ? item->widget() : nullptr) {
            m_mapper->removeMappings(widget);
            layout()->removeWidget(widget);
            widget->deleteLater();
        }
    }
    m_buttons.clear();
}

void ViewSelectionWidget::resetMappings()
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_mapper->removeMappings(m_buttons[i]);
        m_mapper->setMapping(m_buttons[i], i);
    }
}

void ViewSelectionWidget::clearCollection()
{
    while (m_views.size() > 0)
        m_views.remove(m_views[m_views.size() - 1]);
}

void ViewSelectionWidget::createLinks()
{
    connect(m_mapper, &QSignalMapper::mappedInt, this, &ViewSelectionWidget::onSelected);
}

void ViewSelectionWidget::updateButtonsHeight()
{
    if (m_buttons.isEmpty())
        return;
    int buttonHeight = -1;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const std::shared_ptr<ViewInterface> view = m_views[static_cast<unsigned>(i)];
        if (view && view->pinnedUserInterface())
            maxPinnedWidgetHeight =
                    qMax(maxPinnedWidgetHeight, view->pinnedUserInterface()->sizeHint().height());
        buttonHeight = qMax(buttonHeight, m_buttons[i]->sizeHint().height());
    }
    for (PinnedViewMiniatureButton *button : qAsConst(m_buttons)) {
        button->setMinimumHeight(buttonHeight);
        button->setPinnedWidgetPixmapHeight(maxPinnedWidgetHeight);
    }
}
