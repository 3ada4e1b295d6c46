#pragma once

#include "hardware/moduleinterface.h"

// A module of any type and name prefix that talks to no driver: what the resource framework
// (dependences, manager, collection, creator) needs of a module is its identity only.
class FrameworkTestModule : public ModuleInterface
{
    Q_OBJECT
public:
    FrameworkTestModule(ModuleTypes type, const QString &prefix, const QString &path,
                        int position = 1, QObject *parent = nullptr);

    QString namePrefix() const override;

protected:
    int performInit() override { return 0; }
    int performSelftest() override { return 0; }
    int performConfigure() override { return 0; }
    int performStart() override { return 0; }
    int performReset() override { return 0; }
    int performStop() override { return 0; }
    int performClose() override { return 0; }
    void performErrorMessage(int) override { }

private:
    QString m_prefix;
};
