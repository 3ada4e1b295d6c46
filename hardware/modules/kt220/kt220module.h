#pragma once

#include "hardware/moduleinterface.h"

// The stand-alone power-supply instrument; it drives its one output, channel "1".
class KT220Module : public ModuleInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit KT220Module(QObject *parent = nullptr);

    QString namePrefix() const override;

    int configureOutput(double voltage, double current);
    int getOutput(double &voltage, double &current);
    int setEnabled(bool enabled);
    int getState(int &state);

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
};
