#pragma once

#include "resources/digitalmultimeterparameters.h"
#include "resources/evaluationtype.h"
#include "resources/resourceinterface.h"
#include "resources/resourcestate.h"

#include <QMap>
#include <QMutex>
#include <QTimer>
#include <QVector>

#include <memory>
#include <vector>

// The multimeter's fixed tables; the view builds its controls from them. Ranges are in the
// function's unit (volts, amperes, ohms), times in seconds, frequencies in hertz.
extern const QVector<double> wireResistanceRanges;
extern const QVector<double> voltageRanges;
extern const QVector<double> periodFrequencyRanges;
extern const QVector<double> alternatingCurrentRanges;
extern const QVector<double> directCurrentRanges;
extern const QVector<double> hz50IntegrationTime;
extern const QVector<double> hz60IntegrationTime;
extern const QVector<double> frequencyIntegrationTime; // for frequency and period
extern const QVector<int> filterValues;
extern const QVector<int> powerFrequencyValues;
extern const QMap<FunctionsMode, QVector<double>> rangeSettings;

// The multimeter over one RV31 mezzanine. It programs the module from its records when
// acquisition starts, makes the module read one package of readings per tick of its data
// timer and passes every package (or over-range report) on. A record change while acquiring
// restarts acquisition with it at once.
class ResourceRV38 : public ResourceInterface
{
    Q_OBJECT
public:
    // Amplitude, maximum, period, minimum, peak-to-peak, mean, RMS, frequency.
    static const std::vector<EvaluationType> DefaultEvaluations;
    static constexpr int MinimumIntervalMs = 5;
    // The driver counts readings in 16 bits; a record is not trusted further.
    static constexpr int MaximumPointCount = 65535;
    // No evaluation list of the view comes near this; a stored state is not trusted further.
    static constexpr int MaximumEvaluationCount = 256;

    Q_INVOKABLE explicit ResourceRV38(QObject *parent = nullptr);
    // Neither stops the module nor stores the state: the resource collection stores it before.
    ~ResourceRV38() override;

    QString type() const override;
    QString viewType() const override;
    bool create() override;

    // Nothing happens before create() has bound a module.
    void start(MeasurementType mode);
    void stop();
    void configureMainParameters(const DigitalGeneratorMainParameters &parameters);
    void configureAdditionalParameters(const DigitalGeneratorAdditionalParameters &parameters);
    void configureUIParameters(const DigitalGeneratorUIParameters &parameters);
    void configureEvaluationTypes(const std::vector<EvaluationType> &types);
    std::vector<EvaluationType> evaluationTypes() const;
    DigitalGeneratorMainParameters mainParameters() const;
    DigitalGeneratorAdditionalParameters additionalParameters() const;
    DigitalGeneratorUIParameters uiParameters() const;

    // Runs the zero calibration and acquires afterwards, even if acquisition was stopped.
    void startAutoZero();
    // In the triggered mode while acquiring: one package taken at once, then the triggered
    // mode again. In any other mode there is no trigger to force, and nothing happens.
    void forceTriggers();

    ResourceState storeState() override;
    void restoreState(const ResourceState &state) override;

signals:
    void dataChanged(double timeStart, QVector<double> values);
    void overMeasurement(double timeStart, int pointCount);

public slots:
    void changeData(double timeStart, QVector<double> values);
    void overMeasurementData(double timeStart, int pointCount);

private:
    friend class TestMultimeterResource; // ticks the data timer without waiting for it
    struct Internal;

    int configure();
    void startData();
    void stopData();
    void restart();
    void finishPackage();

    std::unique_ptr<Internal> m_d;
    QMutex m_mutex {QMutex::Recursive};
    QTimer m_dataTimer;
};
