#pragma once

#include "resources/digitaloscilloscopeparameters.h"
#include "resources/evaluationtype.h"
#include "resources/resourceinterface.h"

#include <QString>
#include <QVector>

#include <functional>
#include <utility>
#include <vector>

// The oscilloscope instrument as the oscilloscope view sees it: two input channels and a math
// channel, the four parameter records, the model's supported lists and period rounding, the
// acquisition control and the view's own settings that the resource keeps and stores for it.
class DigitalOscilloscopeResource : public ResourceInterface
{
    Q_OBJECT
public:
    explicit DigitalOscilloscopeResource(QObject *parent = nullptr);
    ~DigitalOscilloscopeResource() override;

    int channelCount() const { return 2; }

    QString viewType() const override;

    virtual std::vector<DigitalOscilloscopeImpedanceType> supportedImpedances() const = 0;
    virtual std::vector<DigitalOscilloscopeEventMode> supportedEventModes() const = 0;
    // Volts; a channel record's range is an index into this list.
    virtual std::vector<double> supportedRanges() const = 0;
    // Filter code and its label.
    virtual std::vector<std::pair<double, QString>> supportedFilters() const = 0;
    // (shortest period the view accepts, period that puts 512 samples in the frame) -> period.
    virtual std::function<double(double, double)> roundPeriodFunction() const = 0;
    virtual void stop() = 0;
    virtual void start(DigitalOscilloscopeStartType startType) = 0;
    virtual void forceTrigger() = 0;
    virtual void configureChannelParameters(DigitalOscilloscopeChannelParameters parameters) = 0;
    virtual std::vector<DigitalOscilloscopeChannelParameters> channelParameters() const = 0;
    virtual void
    configureMathChannelParameters(DigitalOscilloscopeMathChannelParameters parameters) = 0;
    virtual DigitalOscilloscopeMathChannelParameters mathChannelParameters() const = 0;
    virtual void configureTriggerParameters(DigitalOscilloscopeTriggerParameters parameters) = 0;
    virtual DigitalOscilloscopeTriggerParameters triggerParameters() const = 0;
    virtual void configureTimeParameters(DigitalOscilloscopeTimeParameters parameters) = 0;
    virtual DigitalOscilloscopeTimeParameters timeParameters() const = 0;
    // One list per data row (channel 1, channel 2, math channel), held for the view.
    virtual void
    configureEvaluationTypes(const std::vector<std::vector<EvaluationType>> &lists) = 0;
    virtual std::vector<std::vector<EvaluationType>> evaluationTypes() const = 0;
    // The view's vertical-scale index per row and its time-scale index; never sent to the module.
    virtual void configureChannelYZooms(std::vector<int> zooms) = 0;
    virtual std::vector<int> channelYZooms() const = 0;
    virtual void configureChannelXIndex(int index) = 0;
    virtual int channelXIndex() const = 0;

signals:
    // Rows: channel 1, channel 2, math channel; lent for the signal's duration only.
    void dataChanged(double timeStart, QVector<QVector<double>> &data);
    void overDriveWarning();
};
