#pragma once

#include "hardware/moduleinterface.h"

// The two-channel function-generator mezzanine. It only opens, starts, stops, resets and
// closes the session; the generator resource sends the signal set-up over the same handle.
class KW7Module : public ModuleInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit KW7Module(QObject *parent = nullptr);

    QString namePrefix() const override;

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
