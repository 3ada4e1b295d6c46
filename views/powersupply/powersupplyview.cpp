#include "views/powersupply/powersupplyview.h"

#include "resources/powersupplyresource.h"
#include "views/powersupply/powersupplypinnedwidget.h"
#include "views/powersupply/powersupplywidget.h"

#include <QWidget>

// Every connection is unique: the getters and resourceApplied both run them, in either order,
// and a second binding must not make any of them twice.
class PowerSupplyView::Internal
{
public:
    void applyOptionsToFullScreenView();
    void applyOptionsToPinnedView();
    void activateFullScreenView();
    void activatePinnedView();
    void activateViewsSynchronization();

    std::shared_ptr<PowerSupplyResource> resource;
    std::shared_ptr<PowerSupplyWidget> fullScreen;
    std::shared_ptr<PowerSupplyPinnedWidget> pinned;
    // A widget gets its blocks or records once: a second binding re-shows the options only.
    bool fullScreenHasChannels = false;
    bool pinnedHasChannels = false;

private:
    template<typename Widget>
    void applyOptions(Widget &widget, bool &hasChannels);
    template<typename Widget>
    void activate(Widget *widget);
};

template<typename Widget>
void PowerSupplyView::Internal::applyOptions(Widget &widget, bool &hasChannels)
{
    const auto count = static_cast<unsigned char>(resource->channelsCount());
    if (!hasChannels) {
        widget.setChannelsCount(count);
        hasChannels = true;
    }
    for (unsigned char channel = 0; channel < count; ++channel) {
        widget.setOutputOption(channel, resource->outputOptions(channel));
        widget.setSynchronizeOption(channel, resource->outputOptions(channel));
    }
}

template<typename Widget>
void PowerSupplyView::Internal::activate(Widget *widget)
{
    // The virtual operation, so that the concrete resource's override receives the edit.
    QObject::connect(widget, &Widget::outputChanged, resource.get(),
                     &PowerSupplyResource::setOutputOptions, Qt::UniqueConnection);
    QObject::connect(resource.get(), &PowerSupplyResource::outputChanged, widget,
                     &Widget::setCurrentValues, Qt::UniqueConnection);
    QObject::connect(resource.get(), &PowerSupplyResource::modeChanged, widget,
                     &Widget::setOverMode, Qt::UniqueConnection);
}

void PowerSupplyView::Internal::applyOptionsToFullScreenView()
{
    if (fullScreen && resource)
        applyOptions(*fullScreen, fullScreenHasChannels);
}

void PowerSupplyView::Internal::applyOptionsToPinnedView()
{
    if (pinned && resource)
        applyOptions(*pinned, pinnedHasChannels);
}

void PowerSupplyView::Internal::activateFullScreenView()
{
    if (fullScreen && resource)
        activate(fullScreen.get());
}

void PowerSupplyView::Internal::activatePinnedView()
{
    if (pinned && resource)
        activate(pinned.get());
}

void PowerSupplyView::Internal::activateViewsSynchronization()
{
    if (!fullScreen || !pinned)
        return;
    QObject::connect(pinned.get(), &PowerSupplyPinnedWidget::outputChanged, fullScreen.get(),
                     &PowerSupplyWidget::setSynchronizeOption, Qt::UniqueConnection);
    QObject::connect(fullScreen.get(), &PowerSupplyWidget::outputChanged, pinned.get(),
                     &PowerSupplyPinnedWidget::setSynchronizeOption, Qt::UniqueConnection);
}

PowerSupplyView::PowerSupplyView(QObject *parent)
    : ViewInterface(parent)
    , d(std::make_unique<Internal>())
{ }

// Members go in reverse order: the settings page, then the miniature, the panel and the
// resource with the private part.
PowerSupplyView::~PowerSupplyView() = default;

QString PowerSupplyView::staticViewType()
{
    return QStringLiteral("Power Supply");
}

QString PowerSupplyView::type() const
{
    return staticViewType();
}

QString PowerSupplyView::displayType() const
{
    return tr("Power Supply");
}

void PowerSupplyView::close() { }

bool PowerSupplyView::isError() const
{
    return !d->resource || d->resource->isError();
}

QWidget *PowerSupplyView::fullScreenUserInterface() const
{
    if (!d->fullScreen) {
        d->fullScreen = std::make_shared<PowerSupplyWidget>();
        d->applyOptionsToFullScreenView();
        d->activateFullScreenView();
        d->activateViewsSynchronization();
    }
    return d->fullScreen.get();
}

QWidget *PowerSupplyView::pinnedUserInterface() const
{
    if (!d->pinned) {
        d->pinned = std::make_shared<PowerSupplyPinnedWidget>();
        d->applyOptionsToPinnedView();
        d->activatePinnedView();
        d->activateViewsSynchronization();
    }
    return d->pinned.get();
}

QWidget *PowerSupplyView::settingsUserInterface() const
{
    if (!m_settings)
        m_settings = std::make_shared<QWidget>();
    return m_settings.get();
}

void PowerSupplyView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (!resource || resource->viewType() != type())
        return;
    std::shared_ptr<PowerSupplyResource> supply =
            std::dynamic_pointer_cast<PowerSupplyResource>(resource);
    if (!supply)
        return;
    d->resource = supply;
    d->applyOptionsToFullScreenView();
    d->activateFullScreenView();
    d->applyOptionsToPinnedView();
    d->activatePinnedView();
    d->activateViewsSynchronization();
    connect(resource.get(), &ResourceInterface::errorOccured, this, &ViewInterface::proccessError,
            Qt::UniqueConnection);
}
