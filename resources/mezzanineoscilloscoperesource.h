#pragma once

#include "hardware/moduletypes.h"
#include "resources/digitaloscilloscoperesource.h"
#include "resources/resourcestate.h"

#include <QMutex>
#include <QTimer>

#include <cstddef>
#include <memory>

class ModuleInterface;

// An oscilloscope over one oscilloscope mezzanine. It keeps the settings, programs the module
// from them when acquisition starts, makes the module read one frame per tick of a 100 ms data
// timer and passes every frame on. Settings changed while acquiring reach the module together
// at the next tick of a 1000 ms re-configure timer, which runs for the resource's whole life.
// The models differ only in how the module is programmed and which start type runs free.
class MezzanineOscilloscopeResource : public DigitalOscilloscopeResource
{
    Q_OBJECT
public:
    static constexpr int DataIntervalMs = 100;
    static constexpr int ConfigureIntervalMs = 1000;
    // No evaluation list of the view comes near this; a stored state is not trusted further.
    static constexpr int MaximumEvaluationCount = 256;

    ~MezzanineOscilloscopeResource() override;

    bool create() override;
    void stop() override;
    void start(DigitalOscilloscopeStartType startType) override;
    void forceTrigger() override;
    // A record of a channel other than 0 or 1 is ignored.
    void configureChannelParameters(DigitalOscilloscopeChannelParameters parameters) override;
    std::vector<DigitalOscilloscopeChannelParameters> channelParameters() const override;
    void
    configureMathChannelParameters(DigitalOscilloscopeMathChannelParameters parameters) override;
    DigitalOscilloscopeMathChannelParameters mathChannelParameters() const override;
    void configureTriggerParameters(DigitalOscilloscopeTriggerParameters parameters) override;
    DigitalOscilloscopeTriggerParameters triggerParameters() const override;
    void configureTimeParameters(DigitalOscilloscopeTimeParameters parameters) override;
    DigitalOscilloscopeTimeParameters timeParameters() const override;
    // Always keeps one list per data row: missing lists are added empty, extra ones dropped.
    void configureEvaluationTypes(const std::vector<std::vector<EvaluationType>> &lists) override;
    std::vector<std::vector<EvaluationType>> evaluationTypes() const override;
    void configureChannelYZooms(std::vector<int> zooms) override;
    std::vector<int> channelYZooms() const override;
    void configureChannelXIndex(int index) override;
    int channelXIndex() const override;

    ResourceState storeState() override;
    // A channel state, filter, math operation, trigger mode or evaluation that is not one of the
    // model's values gives a new resource's value and one line naming the key; text reads as a
    // missing key, as 0. The other values are taken as read.
    void restoreState(const ResourceState &state) override;

protected:
    // range: the default range index of both channels; period: the initial sampling period.
    MezzanineOscilloscopeResource(ModuleTypes moduleType, quint8 range, double period,
                                  QObject *parent);

    // Takes the module as the model's own; false when it is another kind.
    virtual bool bindModule(ModuleInterface *module) = 0;
    // Programs the module from the records for the stored start type; returns the status of
    // the module's own configuration step.
    virtual int configure() = 0;
    // Programs the module for one frame taken at once by program start.
    virtual void configureForcedStart() = 0;
    virtual void connectFrames() = 0;
    virtual void disconnectFrames() = 0;
    // The start type that acquires without trigger events: its frames start at time 0.0 and a
    // forced trigger has nothing to add to it.
    virtual DigitalOscilloscopeStartType freeRunStartType() const = 0;
    virtual bool storesImpedance() const = 0;

    DigitalOscilloscopeStartType startType() const;
    // The record's range index, clamped to a list of count ranges (count > 0): a stored state
    // may hold any index.
    static int rangeIndex(quint8 range, std::size_t count);
    // False for a time base the module would refuse, such as one restored without a period.
    static bool usableTimeBase(const DigitalOscilloscopeTimeParameters &time);

protected slots:
    void changeData(double timeStart, QVector<QVector<double>> &data);

private slots:
    void configureTimer();

private:
    friend class TestOscilloscopeResource; // ticks the timers without waiting for them
    struct Internal;

    void setDefaultParameters(quint8 range, double period);
    void startData();
    void halt();
    void apply();

    std::unique_ptr<Internal> m_d;
    QMutex m_mutex {QMutex::Recursive};
    QTimer m_dataTimer;
    QTimer m_configureTimer;
    int m_dataInterval = DataIntervalMs;
};
