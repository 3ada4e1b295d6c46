#include "views/functiongenerator/functiongeneratorview.h"

#include "resources/functiongeneratorresource.h"
#include "views/functiongenerator/functiongeneratorpinnedwidget.h"
#include "views/functiongenerator/functiongeneratorsettings.h"
#include "views/functiongenerator/functiongeneratorsettingswidget.h"
#include "views/functiongenerator/functiongeneratorwidget.h"

struct FunctionGeneratorView::Internal
{
    // Shared by every generator view and every settings page; made on first use.
    static const std::shared_ptr<FunctionGeneratorSettings> &settings();

    std::shared_ptr<FunctionGeneratorResource> resource;
    std::shared_ptr<FunctionGeneratorWidget> fullScreenWidget;
    std::shared_ptr<FunctionGeneratorPinnedWidget> pinnedWidget;
    std::shared_ptr<FunctionGeneratorSettingsWidget> settingsWidget;

    void applyOptionsToFullScreenView();
    void applyOptionsToPinnedView();
    void activateFullScreenView();
    void activatePinnedView();
    void activateViewsSynchronization();
};

const std::shared_ptr<FunctionGeneratorSettings> &FunctionGeneratorView::Internal::settings()
{
    static const std::shared_ptr<FunctionGeneratorSettings> shared =
            std::make_shared<FunctionGeneratorSettings>();
    return shared;
}

void FunctionGeneratorView::Internal::applyOptionsToFullScreenView()
{
    FunctionGeneratorWidget *panel = fullScreenWidget.get();
    if (!panel || !resource)
        return;
    panel->setSupportedFunctions(resource->supportedFunctions());
    panel->setSupportedRanges(resource->supportedRanges());
    panel->setChannelsCount(resource->channelsCount());
    for (unsigned int channel = 0; channel < resource->channelsCount(); ++channel) {
        panel->setChannelEnable(int(channel), resource->isChannelEnable(channel));
        panel->setStandardFunction(channel, resource->standardFunction(channel));
        panel->setStandardFunctionOptions(channel, resource->standardFunctionOptions(channel));
        panel->setOutputOptions(channel, resource->outputOptions(channel));
        panel->setModulationOptions(channel, resource->modulationOptions(channel));
        panel->setAWGOptions(channel, resource->AWGOptiuons(channel));
    }
    panel->setTriggerOptions(resource->triggerOptions());
    if (resource->state() == FunctionGeneratorStartType::Stopped)
        panel->displayStopMode();
    else
        panel->displayStartMode(resource->state());
    panel->setMode(resource->mode());
}

void FunctionGeneratorView::Internal::applyOptionsToPinnedView()
{
    FunctionGeneratorPinnedWidget *pinned = pinnedWidget.get();
    if (!pinned || !resource)
        return;
    pinned->setChanelCount(resource->channelsCount());
    for (unsigned int channel = 0; channel < resource->channelsCount(); ++channel) {
        pinned->setStandardFunction(channel, resource->standardFunction(channel));
        pinned->setStandardFunctionOptions(channel, resource->standardFunctionOptions(channel));
        pinned->setOutputOptions(channel, resource->outputOptions(channel));
        pinned->setChannelEnable(channel, resource->isChannelEnable(channel));
    }
    if (resource->state() == FunctionGeneratorStartType::Stopped)
        pinned->displayStopMode();
    else
        pinned->displayStartMode(resource->state());
    pinned->setMode(resource->mode());
}

// Every connection is unique, so binding again or building a widget late adds none twice.
void FunctionGeneratorView::Internal::activateFullScreenView()
{
    FunctionGeneratorWidget *panel = fullScreenWidget.get();
    FunctionGeneratorResource *generator = resource.get();
    if (!panel || !generator)
        return;
    panel->setSupportedImpedance(settings()->supportedImpedanceValues());
    using W = FunctionGeneratorWidget;
    using R = FunctionGeneratorResource;
    constexpr auto unique = Qt::UniqueConnection;
    QObject::connect(panel, &W::standardFunctionChanged, generator, &R::setStandardFunction,
                     unique);
    QObject::connect(panel, &W::standardFuntionOptionsChanged, generator,
                     &R::setStandardFunctionOptions, unique);
    QObject::connect(panel, &W::outputOptionsChanged, generator, &R::setOutputOptions, unique);
    QObject::connect(panel, &W::triggerOptionsChanged, generator, &R::setTriggerOptions, unique);
    QObject::connect(panel, &W::modulationOptionsChanged, generator, &R::setModulationOptions,
                     unique);
    QObject::connect(panel, &W::startRequested, generator, &R::start, unique);
    QObject::connect(panel, &W::stopRequested, generator, &R::stop, unique);
    QObject::connect(panel, &W::forceTriggerRequested, generator, &R::forceTrigger, unique);
    QObject::connect(panel, &W::channelEnableChanged, generator, &R::setChannelEnable, unique);
    QObject::connect(panel, &W::modeChanged, generator, &R::setMode, unique);
    QObject::connect(panel, &W::awgOptionsChanged, generator, &R::setAWGOptions, unique);
    QObject::connect(settings().get(), &FunctionGeneratorSettings::supportedImpedanceChanged, panel,
                     &W::setSupportedImpedance, unique);
}

void FunctionGeneratorView::Internal::activatePinnedView()
{
    FunctionGeneratorPinnedWidget *pinned = pinnedWidget.get();
    FunctionGeneratorResource *generator = resource.get();
    if (!pinned || !generator)
        return;
    using P = FunctionGeneratorPinnedWidget;
    using R = FunctionGeneratorResource;
    constexpr auto unique = Qt::UniqueConnection;
    QObject::connect(pinned, &P::standardFuntionOptionsChanged, generator,
                     &R::setStandardFunctionOptions, unique);
    QObject::connect(pinned, &P::outputOptionsChanged, generator, &R::setOutputOptions, unique);
    QObject::connect(pinned, &P::channelEnableChanged, generator, &R::setChannelEnable, unique);
    QObject::connect(pinned, &P::startRequested, generator, &R::start, unique);
    QObject::connect(pinned, &P::stopRequested, generator, &R::stop, unique);
}

// After the resource connections of both widgets, so the generator hears a request before the
// other widget shows it.
void FunctionGeneratorView::Internal::activateViewsSynchronization()
{
    FunctionGeneratorWidget *panel = fullScreenWidget.get();
    FunctionGeneratorPinnedWidget *pinned = pinnedWidget.get();
    if (!panel || !pinned || !resource)
        return;
    using W = FunctionGeneratorWidget;
    using P = FunctionGeneratorPinnedWidget;
    constexpr auto unique = Qt::UniqueConnection;
    QObject::connect(panel, &W::startRequested, pinned, &P::displayStartMode, unique);
    QObject::connect(panel, &W::stopRequested, pinned, &P::displayStopMode, unique);
    QObject::connect(pinned, &P::startRequested, panel, &W::displayStartMode, unique);
    QObject::connect(pinned, &P::stopRequested, panel, &W::displayStopMode, unique);
    QObject::connect(panel, &W::standardFunctionChanged, pinned, &P::setStandardFunction, unique);
    QObject::connect(panel, &W::standardFuntionOptionsChanged, pinned,
                     &P::setStandardFunctionOptions, unique);
    QObject::connect(panel, &W::outputOptionsChanged, pinned, &P::setOutputOptions, unique);
    QObject::connect(panel, &W::channelEnableChanged, pinned, &P::setChannelEnable, unique);
    QObject::connect(panel, &W::modeChanged, pinned, &P::setMode, unique);
    QObject::connect(pinned, &P::standardFuntionOptionsChanged, panel,
                     &W::setStandardFunctionOptions, unique);
    QObject::connect(pinned, &P::outputOptionsChanged, panel, &W::setOutputOptions, unique);
    QObject::connect(pinned, &P::channelEnableChanged, panel, &W::setChannelEnable, unique);
}

FunctionGeneratorView::FunctionGeneratorView(QObject *parent)
    : ViewInterface(parent)
    , d(std::make_unique<Internal>())
{ }

FunctionGeneratorView::~FunctionGeneratorView()
{
    d->settingsWidget.reset();
    d->pinnedWidget.reset();
    d->fullScreenWidget.reset();
    d->resource.reset();
}

QString FunctionGeneratorView::staticViewType()
{
    return QStringLiteral("Function Generator");
}

QString FunctionGeneratorView::type() const
{
    return staticViewType();
}

QString FunctionGeneratorView::displayType() const
{
    return tr("Function Generator");
}

bool FunctionGeneratorView::isError() const
{
    return !d->resource || d->resource->isError();
}

QWidget *FunctionGeneratorView::fullScreenUserInterface() const
{
    if (!d->fullScreenWidget) {
        d->fullScreenWidget = std::make_shared<FunctionGeneratorWidget>();
        d->applyOptionsToFullScreenView();
        d->activateFullScreenView();
        d->activateViewsSynchronization();
    }
    return d->fullScreenWidget.get();
}

QWidget *FunctionGeneratorView::pinnedUserInterface() const
{
    if (!d->pinnedWidget) {
        d->pinnedWidget = std::make_shared<FunctionGeneratorPinnedWidget>();
        d->applyOptionsToPinnedView();
        d->activatePinnedView();
        d->activateViewsSynchronization();
    }
    return d->pinnedWidget.get();
}

QWidget *FunctionGeneratorView::settingsUserInterface() const
{
    if (!d->settingsWidget) {
        Internal::settings()->restore();
        d->settingsWidget = std::make_shared<FunctionGeneratorSettingsWidget>(Internal::settings());
    }
    return d->settingsWidget.get();
}

void FunctionGeneratorView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    if (!resource || resource->viewType() != type())
        return;
    // A resource that names this view but is no generator binds nothing at all.
    auto generator = std::dynamic_pointer_cast<FunctionGeneratorResource>(resource);
    if (!generator)
        return;
    d->resource = generator;
    d->applyOptionsToFullScreenView();
    d->activateFullScreenView();
    d->applyOptionsToPinnedView();
    d->activatePinnedView();
    d->activateViewsSynchronization();
    connect(resource.get(), &ResourceInterface::errorOccured, this, &ViewInterface::proccessError,
            Qt::UniqueConnection);
}
