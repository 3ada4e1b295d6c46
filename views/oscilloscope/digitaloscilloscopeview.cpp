#include "views/oscilloscope/digitaloscilloscopeview.h"

#include "resources/digitaloscilloscoperesource.h"
#include "resources/evaluatedataprocessor.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/oscilloscope/digitaloscilloscopepinnedwidget.h"
#include "views/oscilloscope/digitaloscilloscopesettings.h"
#include "views/oscilloscope/digitaloscilloscopesettingswidget.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include <algorithm>

namespace {

// The resource's rows: two input channels and the math channel.
std::size_t rowCount()
{
    return 3;
}

} // namespace

DigitalOscilloscopeView::DigitalOscilloscopeView(QObject *parent)
    : ViewInterface(parent)
    , m_evaluationTypes(rowCount(), DefaultEvaluations)
{ }

DigitalOscilloscopeView::~DigitalOscilloscopeView()
{
    m_evaluationValues.clear();
    m_evaluationTypes.clear();
    settingsPageWidget.reset();
    oscilloscopeResource.reset();
    pinnedWidget.reset();
    fullScreenWidget.reset();
}

QString DigitalOscilloscopeView::staticViewType()
{
    return QStringLiteral("Digital Oscilloscope");
}

const std::shared_ptr<DigitalOscilloscopeSettings> &DigitalOscilloscopeView::settings()
{
    static const std::shared_ptr<DigitalOscilloscopeSettings> shared =
            std::make_shared<DigitalOscilloscopeSettings>();
    return shared;
}

QString DigitalOscilloscopeView::type() const
{
    return staticViewType();
}

QString DigitalOscilloscopeView::displayType() const
{
    return tr("Digital Oscilloscope");
}

void DigitalOscilloscopeView::close() { }

QWidget *DigitalOscilloscopeView::fullScreenUserInterface() const
{
    if (fullScreenWidget)
        return fullScreenWidget.get();
    // The interface's getters are const; making the panel on first demand is not.
    auto *self = const_cast<DigitalOscilloscopeView *>(this);
    fullScreenWidget = std::make_shared<DigitalOscilloscopeWidget>();
    DigitalOscilloscopeWidget *panel = fullScreenWidget.get();
    using Panel = DigitalOscilloscopeWidget;
    using View = DigitalOscilloscopeView;
    const auto unique = Qt::UniqueConnection;
    panel->setMaximumPointCount(settings()->pointCountValue());
    connect(self, &View::evaluationValuesChanged, panel, &Panel::setEvaluationValues, unique);
    connect(panel, &Panel::evaluationTypesChanged, self, &View::setEvaluationTypes, unique);
    if (oscilloscopeResource) {
        DigitalOscilloscopeResource *resource = oscilloscopeResource.get();
        connect(panel, &Panel::timeParametersChanged, resource,
                &DigitalOscilloscopeResource::configureTimeParameters, unique);
        connect(resource, &DigitalOscilloscopeResource::overDriveWarning, panel,
                &Panel::showOverDriveWarning, unique);
    }
    setOptionsToFullScreen();
    connectPanelToResource();
    sendPanelCorrections();
    connect(panel, &Panel::visualDataChanged, self, &View::setEvaluationData, unique);
    if (pinnedWidget)
        connect(panel, &Panel::colorsChahged, pinnedWidget.get(),
                &DigitalOscilloscopePinnedWidget::setChannelColors, unique);
    connect(self, &View::saveDataRequested, panel, &Panel::exportData, unique);
    connect(self, &View::savePictureRequested, panel, &Panel::picture, unique);
    if (oscilloscopeResource) {
        panel->setDeviceName(oscilloscopeResource->description());
        panel->startDefaultMode();
    }
    connect(settings().get(), &DigitalOscilloscopeSettings::maximumPointsCountChanged, panel,
            &Panel::setMaximumPointCount, unique);
    return panel;
}

void DigitalOscilloscopeView::connectPanelToResource() const
{
    if (!fullScreenWidget || !oscilloscopeResource)
        return;
    DigitalOscilloscopeWidget *panel = fullScreenWidget.get();
    DigitalOscilloscopeResource *resource = oscilloscopeResource.get();
    using Panel = DigitalOscilloscopeWidget;
    using Resource = DigitalOscilloscopeResource;
    const auto unique = Qt::UniqueConnection;
    connect(resource, &Resource::dataChanged, panel, &Panel::setOscilloscopeData, unique);
    connect(panel, &Panel::triggerForced, resource, &Resource::forceTrigger, unique);
    connect(panel, &Panel::channelParametersChanged, resource,
            &Resource::configureChannelParameters, unique);
    connect(panel, &Panel::mathChannelParametersChanged, resource,
            &Resource::configureMathChannelParameters, unique);
    connect(panel, &Panel::triggerParametersChanged, resource,
            &Resource::configureTriggerParameters, unique);
    connect(panel, &Panel::stopMeasurement, resource, &Resource::stop, unique);
    connect(panel, &Panel::startMeasurement, resource, &Resource::start, unique);
    connect(panel, &Panel::channelZoomChanged, resource, &Resource::configureChannelYZooms, unique);
    connect(panel, &Panel::channelXIndexChanged, resource, &Resource::configureChannelXIndex,
            unique);
}

void DigitalOscilloscopeView::sendPanelCorrections() const
{
    if (!fullScreenWidget || !oscilloscopeResource)
        return;
    // While the panel is filled its records reach only its own receivers. A stored record it
    // had to correct (a prehistory outside the range of the stored time base, a source it does
    // not have) the resource does not hold yet, and would keep and store as it was.
    const DigitalOscilloscopeTriggerParameters &trigger = fullScreenWidget->triggerParameters();
    if (trigger != oscilloscopeResource->triggerParameters())
        oscilloscopeResource->configureTriggerParameters(trigger);
}

QWidget *DigitalOscilloscopeView::pinnedUserInterface() const
{
    if (pinnedWidget)
        return pinnedWidget.get();
    pinnedWidget = std::make_shared<DigitalOscilloscopePinnedWidget>();
    DigitalOscilloscopePinnedWidget *pinned = pinnedWidget.get();
    pinned->setEvaluationValues(m_evaluationTypes, m_evaluationValues);
    const auto unique = Qt::UniqueConnection;
    if (fullScreenWidget)
        connect(fullScreenWidget.get(), &DigitalOscilloscopeWidget::colorsChahged, pinned,
                &DigitalOscilloscopePinnedWidget::setChannelColors, unique);
    connect(this, &DigitalOscilloscopeView::evaluationValuesChanged, pinned,
            &DigitalOscilloscopePinnedWidget::setEvaluationValues, unique);
    return pinned;
}

QWidget *DigitalOscilloscopeView::settingsUserInterface() const
{
    if (settingsPageWidget)
        return settingsPageWidget.get();
    settings()->restore();
    settingsPageWidget = std::make_shared<DigitalOscilloscopeSettingsWidget>(settings());
    return settingsPageWidget.get();
}

void DigitalOscilloscopeView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    oscilloscopeResource = std::dynamic_pointer_cast<DigitalOscilloscopeResource>(resource);
    if (!oscilloscopeResource)
        return;
    DigitalOscilloscopeResource *oscilloscope = oscilloscopeResource.get();
    if (fullScreenWidget) {
        // A panel built before its resource reaches it only through these rows.
        DigitalOscilloscopeWidget *panel = fullScreenWidget.get();
        const auto unique = Qt::UniqueConnection;
        connect(panel, &DigitalOscilloscopeWidget::timeParametersChanged, oscilloscope,
                &DigitalOscilloscopeResource::configureTimeParameters, unique);
        connect(oscilloscope, &DigitalOscilloscopeResource::overDriveWarning, panel,
                &DigitalOscilloscopeWidget::showOverDriveWarning, unique);
    }
    // An existing panel still holds the previous selection and echoes it back while being
    // filled; the echo must not replace the selection the resource has stored.
    m_applyingResource = true;
    setOptionsToFullScreen();
    m_applyingResource = false;
    if (fullScreenWidget) {
        connectPanelToResource();
        sendPanelCorrections();
        fullScreenWidget->setDeviceName(oscilloscope->description());
        fullScreenWidget->startDefaultMode();
    }
    m_evaluationTypes = oscilloscope->evaluationTypes();
    if (fullScreenWidget)
        fullScreenWidget->setEvaluationTypes(m_evaluationTypes);
    m_evaluationValues.resize(std::size_t(oscilloscope->channelCount() + 1));
    connect(oscilloscope, &ResourceInterface::errorOccured, this, &ViewInterface::proccessError,
            Qt::UniqueConnection);
}

void DigitalOscilloscopeView::setOptionsToFullScreen() const
{
    if (!oscilloscopeResource || !fullScreenWidget)
        return;
    DigitalOscilloscopeResource *resource = oscilloscopeResource.get();
    DigitalOscilloscopeWidget *panel = fullScreenWidget.get();
    panel->setSupportedImpedances(resource->supportedImpedances());
    panel->setSupportedEventMode(resource->supportedEventModes());
    panel->setSupportedRanges(resource->supportedRanges());
    panel->setSupportedFilters(resource->supportedFilters());
    panel->setRoundPeriodFunction(resource->roundPeriodFunction());
    // The stored time base before the stored prehistory: the prehistory's range follows from
    // it, and a prehistory shorter than a block of the time base shown before would be lost.
    // The trigger record is read first, before the panel has anything to send.
    const DigitalOscilloscopeTriggerParameters trigger = resource->triggerParameters();
    panel->setDefaultHorizontalIndex(resource->channelXIndex());
    // Channels before the math channel: the channel records switch the math channel off.
    panel->setDefaultChannels(resource->channelParameters());
    panel->setDefaultTime(resource->timeParameters());
    panel->setDefaultTrigger(trigger);
    panel->setDefaultMath(resource->mathChannelParameters());
    panel->setDefaultChannelZooms(resource->channelYZooms());
    panel->setEvaluationTypes(m_evaluationTypes);
}

void DigitalOscilloscopeView::setEvaluationData(double interval,
                                                const QVector<QVector<double>> &data, int first,
                                                int last)
{
    const double period =
            oscilloscopeResource ? oscilloscopeResource->timeParameters().period : interval;
    for (int row = 0; row < data.size(); ++row) {
        const QVector<double> &samples = data[row];
        const std::size_t index = std::size_t(row);
        if (samples.isEmpty() || index >= m_evaluationTypes.size()
            || index >= m_evaluationValues.size())
            continue;
        // The plot's bounds come from the scan time and may pass a short row's end.
        const int size = samples.size();
        const int from = std::clamp(first, 0, size);
        const int to = std::clamp(last, from, size);
        const EvaluationResults results = calc(interval, period, samples.constData(),
                                               unsigned(size), m_evaluationTypes[index], from, to);
        for (const auto &[type, value] : results)
            m_evaluationValues[index][type] = value;
    }
    emit evaluationValuesChanged(m_evaluationTypes, m_evaluationValues);
}

void DigitalOscilloscopeView::setEvaluationTypes(std::vector<std::vector<EvaluationType>> types)
{
    m_evaluationTypes = std::move(types);
    if (oscilloscopeResource && !m_applyingResource)
        oscilloscopeResource->configureEvaluationTypes(m_evaluationTypes);
    emit evaluationValuesChanged(m_evaluationTypes, m_evaluationValues);
}
