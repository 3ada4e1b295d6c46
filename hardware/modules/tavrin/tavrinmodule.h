#pragma once

#include "hardware/moduleinterface.h"

// The carrier: reached through VISA, it holds up to eight mezzanine modules, which reach
// their own drivers through its session. Its operations take no lock: the initialization
// tasks run one carrier per task, and everything else happens on the GUI thread.
class TavrinModule : public ModuleInterface
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TavrinModule(QObject *parent = nullptr);
    ~TavrinModule() override;

    // Opens the VISA default resource manager before the first carrier is initialized.
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

private:
    void closeResourceManager();

    // Kept so that it can be closed again with the carrier; 0 when none is open.
    quint32 m_resourceManager = 0;
};
