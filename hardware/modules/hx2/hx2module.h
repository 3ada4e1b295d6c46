#pragma once

#include "hardware/drivercall.h"
#include "hardware/moduleinterface.h"
#include "hardware/oscilloscopeframe.h"

#include <QVector>

// The first oscilloscope mezzanine: two input channels and the math channel as a third row.
// dataChanged lends the frame's rows by reference, so receivers copy what they keep.
class HX2Module : public ModuleInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit HX2Module(QObject *parent = nullptr);

    QString namePrefix() const override;

    int configure(int channel, int enabled, int coupling, int rangeCode, int filter, double offset);
    int configureMath(int enabled, int operation, int sourceA, int sourceB, double offset);
    int configureTime(double period, double duration, double startTime);
    int configureTrigger(int channel, int source, int mode, bool polarity, double *times,
                         double *levels);
    int configureTriggerForProgrammStart();

    int pointCount() const { return m_frame.pointCount(); }
    double period() const { return m_frame.period(); }
    double startTime() const { return m_frame.startTime(); }

    void performDemoDataReading();

    // Public for the oscilloscope resources, which re-program a started module and must not
    // move it to the configured state as ModuleInterface::configure() would.
    int performConfigure() override;

signals:
    void dataChanged(double startTime, QVector<QVector<double>> &data);
    void overDriveWarning();

protected:
    int performInit() override;
    int performSelftest() override;
    int performStart() override;
    int performDataReading() override;
    int performReset() override;
    int performStop() override;
    int performClose() override;
    void performErrorMessage(int status) override;

private:
    int refuse(int status, const DriverCallSite &site);
    void completeFrame();

    OscilloscopeFrame m_frame;
};
