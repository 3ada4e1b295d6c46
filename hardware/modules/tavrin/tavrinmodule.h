#pragma once

#include "hardware/moduleinterface.h"

// The carrier: the VISA-reached base module whose eight slots hold the mezzanines. Its
// session is handed to the mezzanines of its path as their main handle.
//
// Its operations take no lock: the hardware object runs one task per carrier and closes
// carriers only after everything else.
class TavrinModule : public ModuleInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TavrinModule(QObject *parent = nullptr);

    // Opens the VISA default resource manager once before the carriers are initialized, so
    // that the driver finds VISA ready.
    virtual void performInitResourses();

protected:
    int performInit() override;
    int performSelftest() override;
    int performConfigure() override;
    int performStart() override;
    int performReset() override;
    int performStop() override;
    int performClose() override;
    void performErrorMessage(int status) override;
};
