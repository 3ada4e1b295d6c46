#pragma once

#include "resources/digitalmultimeterparameters.h"
#include "resources/evaluationtype.h"
#include "ui/viewbase/viewinterface.h"

#include <QMap>
#include <QVector>

#include <memory>
#include <vector>

class DigitalMultimeterPinnedWidget;
class DigitalMultimeterWidget;
class ResourceRV38;
class QWidget;

// The view of one multimeter resource: the hub between the resource, the full form and the
// miniature. It keeps working copies of the three parameter records; every request of a widget
// changes the copy and the whole record goes out, to the resource and back to the widgets. It
// remembers the last range of each function and the last position in each integration-time
// table, and evaluates every data package.
//
// The widgets are made on first demand without a Qt parent and belong to the view; the
// workspace places them and hands them back before they die. Each wiring between the resource
// and a widget runs when both exist, from the widget's getter and from resourceApplied, with
// unique connections, so no order of creation and no second binding connects anything twice.
class DigitalMultimeterView : public ViewInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit DigitalMultimeterView(QObject *parent = nullptr);
    ~DigitalMultimeterView() override;

    // The type name the shell, the view factory and the stored arrangements know this view by;
    // the resources of this instrument name it as their view type.
    static QString staticViewType();

    QString type() const override;
    QString displayType() const override;
    void close() override;
    // True until a multimeter resource is bound, then the resource's error state.
    bool isError() const override;
    QWidget *fullScreenUserInterface() const override;
    QWidget *pinnedUserInterface() const override;
    QWidget *settingsUserInterface() const override;
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override;

signals:
    void mainParametersChanged(const DigitalGeneratorMainParameters &parameters);
    void additionalParametersChanged(const DigitalGeneratorAdditionalParameters &parameters);
    void uiParametersChanged(const DigitalGeneratorUIParameters &parameters);
    void evaluationValuesChanged(const std::vector<EvaluationType> &types,
                                 const QMap<EvaluationType, double> &values);

private slots:
    void setDigitalMultimeterData(double firstTimeStamp, QVector<double> data);
    void setEvaluationTypes(std::vector<EvaluationType> types);
    void setFunctionMode(FunctionsMode mode);
    void setRange(double range);
    void setImpedanceState(bool isOn);
    void setPowerFrequency(int powerFrequencyIndex);
    void setFilter(int filterIndex);
    void setAutoZeroState(int index);
    void setDelay(double delay);
    void setRiseFallState(bool isFall);
    void setScanTime(double scanTime);
    void upIntegrationTime();
    void downIntegrationTime();
    void upPointCount();
    void downPointCount();
    void activateFullScreenView();
    void activatePinnedView();
    void activateViewsSynchronization();

private:
    // Moves the index of the table in use by step (0: none) and emits the main record.
    void changeIntegrationTime(int step = 0);
    const QVector<double> &integrationTable() const;
    int &integrationIndex();

    mutable std::shared_ptr<DigitalMultimeterWidget> fullScreenWidget;
    mutable std::shared_ptr<DigitalMultimeterPinnedWidget> pinnedWidget;
    mutable std::shared_ptr<QWidget> settingsWidget;
    std::shared_ptr<ResourceRV38> multimeterResource;
    std::vector<EvaluationType> evaluationTypes;
    QMap<EvaluationType, double> evaluationValues;
    DigitalGeneratorMainParameters mainParameters;
    DigitalGeneratorAdditionalParameters additionalParameters;
    DigitalGeneratorUIParameters uiParameters;
    QMap<FunctionsMode, double> rangeByFunction;
    int hz50IntegrationTimeIndex = 0;
    int hz60IntegrationTimeIndex = 0;
    int frequencyIntegrationTimeIndex = 0;
};
