#include "views/multimeter/digitalmultimeterview.h"

#include "resources/evaluatedataprocessor.h"
#include "resources/resourcerv38.h"
#include "views/multimeter/digitalmultimeterpinnedwidget.h"
#include "views/multimeter/digitalmultimeterwidget.h"

#include <QWidget>

namespace {

constexpr int pointCountStep = 32;
constexpr int pointCountTop = 8192; // the last step up starts here, so 8224 is reachable
constexpr int standardPowerFrequency = 50;

int indexIn(const QVector<double> &table, double value)
{
    const int index = table.indexOf(value);
    return index < 0 ? 0 : index;
}

} // namespace

DigitalMultimeterView::DigitalMultimeterView(QObject *parent)
    : ViewInterface(parent)
{
    mainParameters.function = FunctionDcVoltage;
    mainParameters.ranges.clear();
    mainParameters.filter_index = 0;
    mainParameters.impedance = false;
    mainParameters.power_frequency = standardPowerFrequency;
    mainParameters.point_count = 256;
    mainParameters.delay_time = 0.002;
    mainParameters.rise_fall = false;
    additionalParameters.auto_zero = 0;
    uiParameters.scanTime = 1.0;
    setFunctionMode(FunctionDcVoltage);
}

DigitalMultimeterView::~DigitalMultimeterView()
{
    // The resource reference goes first, then the settings page, the miniature and the form.
    multimeterResource.reset();
    settingsWidget.reset();
    pinnedWidget.reset();
    fullScreenWidget.reset();
}

QString DigitalMultimeterView::staticViewType()
{
    return QStringLiteral("Digital Multimeter");
}

QString DigitalMultimeterView::type() const
{
    return staticViewType();
}

QString DigitalMultimeterView::displayType() const
{
    return tr("Digital Multimeter");
}

void DigitalMultimeterView::close()
{
    if (multimeterResource)
        multimeterResource->stop();
}

bool DigitalMultimeterView::isError() const
{
    return !multimeterResource || multimeterResource->isError();
}

QWidget *DigitalMultimeterView::fullScreenUserInterface() const
{
    if (!fullScreenWidget) {
        // The interface's getters are const; making the widget on first demand is not.
        auto *self = const_cast<DigitalMultimeterView *>(this);
        fullScreenWidget = std::make_shared<DigitalMultimeterWidget>();
        self->activateFullScreenView();
        self->activateViewsSynchronization();
        fullScreenWidget->setMainParameters(mainParameters);
        fullScreenWidget->setAdditionalParameters(additionalParameters);
        fullScreenWidget->setUiParameters(uiParameters);
        fullScreenWidget->setEvaluationTypes(evaluationTypes);
    }
    return fullScreenWidget.get();
}

QWidget *DigitalMultimeterView::pinnedUserInterface() const
{
    if (!pinnedWidget) {
        auto *self = const_cast<DigitalMultimeterView *>(this);
        pinnedWidget = std::make_shared<DigitalMultimeterPinnedWidget>();
        self->activatePinnedView();
        self->activateViewsSynchronization();
        pinnedWidget->setMainParameters(mainParameters);
    }
    return pinnedWidget.get();
}

QWidget *DigitalMultimeterView::settingsUserInterface() const
{
    if (!settingsWidget)
        settingsWidget = std::make_shared<QWidget>();
    return settingsWidget.get();
}

void DigitalMultimeterView::resourceApplied(std::shared_ptr<ResourceInterface> &resource)
{
    // Anything but a multimeter resource binds nothing: every step below needs one.
    auto multimeter = std::dynamic_pointer_cast<ResourceRV38>(resource);
    if (!multimeter)
        return;
    multimeterResource = multimeter;
    mainParameters = multimeterResource->mainParameters();
    additionalParameters = multimeterResource->additionalParameters();
    uiParameters = multimeterResource->uiParameters();
    // The resource's record may come from the stored state: its range is the one the user
    // last chose for that function, and a round trip through another function must find it.
    rangeByFunction[mainParameters.function] = mainParameters.range;
    frequencyIntegrationTimeIndex =
            indexIn(frequencyIntegrationTime, mainParameters.integration_time);
    hz50IntegrationTimeIndex = indexIn(hz50IntegrationTime, mainParameters.integration_time);
    hz60IntegrationTimeIndex = indexIn(hz60IntegrationTime, mainParameters.integration_time);
    if (pinnedWidget)
        pinnedWidget->setMainParameters(mainParameters);
    if (fullScreenWidget) {
        fullScreenWidget->setMainParameters(mainParameters);
        fullScreenWidget->setAdditionalParameters(additionalParameters);
        fullScreenWidget->setUiParameters(uiParameters);
    }
    evaluationTypes = multimeterResource->evaluationTypes();
    // A form made before the resource shows the resource's list: its dialog preselects it
    // and a language change renames the right buttons.
    if (fullScreenWidget)
        fullScreenWidget->setEvaluationTypes(evaluationTypes);

    ResourceRV38 *meter = multimeterResource.get();
    connect(this, &DigitalMultimeterView::mainParametersChanged, meter,
            &ResourceRV38::configureMainParameters, Qt::UniqueConnection);
    connect(this, &DigitalMultimeterView::additionalParametersChanged, meter,
            &ResourceRV38::configureAdditionalParameters, Qt::UniqueConnection);
    connect(this, &DigitalMultimeterView::uiParametersChanged, meter,
            &ResourceRV38::configureUIParameters, Qt::UniqueConnection);
    connect(meter, &ResourceRV38::dataChanged, this,
            &DigitalMultimeterView::setDigitalMultimeterData, Qt::UniqueConnection);
    activateFullScreenView();
    activatePinnedView();
    activateViewsSynchronization();
    connect(meter, &ResourceInterface::errorOccured, this, &ViewInterface::proccessError,
            Qt::UniqueConnection);
}

void DigitalMultimeterView::activateFullScreenView()
{
    if (!fullScreenWidget || !multimeterResource)
        return;
    DigitalMultimeterWidget *form = fullScreenWidget.get();
    ResourceRV38 *meter = multimeterResource.get();
    const auto unique = Qt::UniqueConnection;
    using Form = DigitalMultimeterWidget;
    using View = DigitalMultimeterView;
    connect(meter, &ResourceRV38::dataChanged, form, &Form::setDigitalMultimeterData, unique);
    connect(meter, &ResourceRV38::overMeasurement, form, &Form::setOverData, unique);
    connect(this, &View::evaluationValuesChanged, form, &Form::setEvaluationValues, unique);
    connect(form, &Form::evaluationTypesChanged, this, &View::setEvaluationTypes, unique);
    connect(form, &Form::stopDevice, meter, &ResourceRV38::stop, unique);
    connect(form, &Form::start, meter, &ResourceRV38::start, unique);
    connect(form, &Form::startAutoZero, meter, &ResourceRV38::startAutoZero, unique);
    connect(form, &Form::forceTriggers, meter, &ResourceRV38::forceTriggers, unique);
    connect(this, &View::mainParametersChanged, form, &Form::setMainParameters, unique);
    connect(this, &View::additionalParametersChanged, form, &Form::setAdditionalParameters, unique);
    connect(form, &Form::functionModeChanged, this, &View::setFunctionMode, unique);
    connect(form, &Form::rangeChanged, this, &View::setRange, unique);
    connect(form, &Form::filterChanged, this, &View::setFilter, unique);
    connect(form, &Form::impedanceStateChanged, this, &View::setImpedanceState, unique);
    connect(form, &Form::powerFrequencyChanged, this, &View::setPowerFrequency, unique);
    connect(form, &Form::upPointCount, this, &View::upPointCount, unique);
    connect(form, &Form::downPointCount, this, &View::downPointCount, unique);
    connect(form, &Form::upIntegrationTime, this, &View::upIntegrationTime, unique);
    connect(form, &Form::downIntegrationTime, this, &View::downIntegrationTime, unique);
    connect(form, &Form::autoZeroStateChanged, this, &View::setAutoZeroState, unique);
    connect(form, &Form::delayTimeChanged, this, &View::setDelay, unique);
    connect(form, &Form::riseFallStateChanged, this, &View::setRiseFallState, unique);
    connect(form, &Form::scanTimeChaged, this, &View::setScanTime, unique);
}

void DigitalMultimeterView::activatePinnedView()
{
    if (!pinnedWidget || !multimeterResource)
        return;
    DigitalMultimeterPinnedWidget *pinned = pinnedWidget.get();
    ResourceRV38 *meter = multimeterResource.get();
    const auto unique = Qt::UniqueConnection;
    using Pinned = DigitalMultimeterPinnedWidget;
    connect(meter, &ResourceRV38::dataChanged, pinned, &Pinned::setDigitalMultimeterData, unique);
    connect(meter, &ResourceRV38::overMeasurement, pinned, &Pinned::setOverData, unique);
    connect(this, &DigitalMultimeterView::mainParametersChanged, pinned, &Pinned::setMainParameters,
            unique);
    connect(pinned, &Pinned::functionModeChanged, this, &DigitalMultimeterView::setFunctionMode,
            unique);
    connect(pinned, &Pinned::rangeChanged, this, &DigitalMultimeterView::setRange, unique);
}

void DigitalMultimeterView::activateViewsSynchronization()
{
    if (!fullScreenWidget || !pinnedWidget)
        return;
    connect(fullScreenWidget.get(), &DigitalMultimeterWidget::stopDevice, pinnedWidget.get(),
            &DigitalMultimeterPinnedWidget::stopMeasurments, Qt::UniqueConnection);
    connect(fullScreenWidget.get(), &DigitalMultimeterWidget::start, pinnedWidget.get(),
            &DigitalMultimeterPinnedWidget::startMeasurments, Qt::UniqueConnection);
}

void DigitalMultimeterView::setDigitalMultimeterData(double firstTimeStamp, QVector<double> data)
{
    const EvaluationResults results =
            calc(firstTimeStamp, mainParameters.integration_time, data.constData(),
                 static_cast<unsigned int>(data.size()), evaluationTypes, 0, -1);
    for (const auto &result : results)
        evaluationValues[result.first] = result.second;
    emit evaluationValuesChanged(evaluationTypes, evaluationValues);
}

void DigitalMultimeterView::setEvaluationTypes(std::vector<EvaluationType> types)
{
    evaluationTypes = std::move(types);
    if (multimeterResource)
        multimeterResource->configureEvaluationTypes(evaluationTypes);
    emit evaluationValuesChanged(evaluationTypes, evaluationValues);
}

void DigitalMultimeterView::setFunctionMode(FunctionsMode mode)
{
    mainParameters.function = mode;
    mainParameters.ranges = rangeSettings.value(mode);
    if (!rangeByFunction.contains(mode))
        rangeByFunction.insert(mode, 0.0);
    mainParameters.range = rangeByFunction.value(mode);
    evaluationValues.clear();
    changeIntegrationTime();
    setEvaluationTypes(evaluationTypes);
}

void DigitalMultimeterView::setRange(double range)
{
    rangeByFunction[mainParameters.function] = range;
    mainParameters.range = range;
    emit mainParametersChanged(mainParameters);
}

void DigitalMultimeterView::setImpedanceState(bool isOn)
{
    mainParameters.impedance = isOn;
    emit mainParametersChanged(mainParameters);
}

void DigitalMultimeterView::setPowerFrequency(int powerFrequencyIndex)
{
    // The form sends the frequency in hertz, despite the parameter's name.
    mainParameters.power_frequency = powerFrequencyIndex;
    changeIntegrationTime();
}

void DigitalMultimeterView::setFilter(int filterIndex)
{
    mainParameters.filter_index = filterIndex;
    emit mainParametersChanged(mainParameters);
}

void DigitalMultimeterView::setAutoZeroState(int index)
{
    additionalParameters.auto_zero = index;
    emit additionalParametersChanged(additionalParameters);
}

void DigitalMultimeterView::setDelay(double delay)
{
    mainParameters.delay_time = delay;
    emit mainParametersChanged(mainParameters);
}

void DigitalMultimeterView::setRiseFallState(bool isFall)
{
    mainParameters.rise_fall = isFall;
    emit mainParametersChanged(mainParameters);
}

void DigitalMultimeterView::setScanTime(double scanTime)
{
    uiParameters.scanTime = scanTime;
    emit uiParametersChanged(uiParameters);
}

void DigitalMultimeterView::upIntegrationTime()
{
    changeIntegrationTime(1);
}

void DigitalMultimeterView::downIntegrationTime()
{
    changeIntegrationTime(-1);
}

void DigitalMultimeterView::upPointCount()
{
    if (mainParameters.point_count > pointCountTop)
        return;
    mainParameters.point_count += pointCountStep;
    emit mainParametersChanged(mainParameters);
}

void DigitalMultimeterView::downPointCount()
{
    if (mainParameters.point_count <= pointCountStep)
        return;
    mainParameters.point_count -= pointCountStep;
    emit mainParametersChanged(mainParameters);
}

const QVector<double> &DigitalMultimeterView::integrationTable() const
{
    if (mainParameters.function == FunctionFrequency || mainParameters.function == FunctionPeriod)
        return frequencyIntegrationTime;
    return mainParameters.power_frequency == standardPowerFrequency ? hz50IntegrationTime
                                                                    : hz60IntegrationTime;
}

int &DigitalMultimeterView::integrationIndex()
{
    if (mainParameters.function == FunctionFrequency || mainParameters.function == FunctionPeriod)
        return frequencyIntegrationTimeIndex;
    return mainParameters.power_frequency == standardPowerFrequency ? hz50IntegrationTimeIndex
                                                                    : hz60IntegrationTimeIndex;
}

void DigitalMultimeterView::changeIntegrationTime(int step)
{
    const QVector<double> &table = integrationTable();
    int &index = integrationIndex();
    index = qBound(0, index + step, int(table.size()) - 1);
    mainParameters.integration_time = table.at(index);
    emit mainParametersChanged(mainParameters);
}
