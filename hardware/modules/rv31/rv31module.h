#pragma once

#include "hardware/moduleinterface.h"

#include <QVector>

#include <memory>
#include <random>

// The digital-multimeter mezzanine: reads blocks of readings and hands them on with the time
// stamp of their first reading. In demonstration mode it simulates the readings.
class RV31Module : public ModuleInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit RV31Module(QObject *parent = nullptr);
    ~RV31Module() override;

    QString namePrefix() const override;

    int configureStartOptions(unsigned char option, quint64 count, double time, bool firstFlag,
                              bool secondFlag);
    int configureAutoZero(double mode);
    int startAutoZero();
    int configureFunction(int function, bool autoRange, double range, double time, int filter,
                          bool impedance, int lineFrequency, int pointCount);

signals:
    void dataChanged(double timeStart, QVector<double> readings);
    void overMeasurement(double timeStart, int pointCount);

protected:
    int performInit() override;
    int performSelftest() override;
    int performConfigure() override;
    int performStart() override;
    int performDataReading() override;
    int performReset() override;
    int performStop() override;
    int performClose() override;
    void performErrorMessage(int status) override;

private:
    void performDemoDataReading();
    // The stamp of the package about to be sent; the next one starts readings periods later.
    double advanceTimeStamp(int readings);

    double m_timeStamp = 0.0;
    double m_period = 0.0;
    unsigned char m_option = 0;
    quint64 m_optionCount = 1;
    double m_optionTime = 0.002;
    bool m_firstFlag = false;
    bool m_secondFlag = false;
    QVector<double> m_readings;
    std::unique_ptr<std::random_device> m_random;
};
