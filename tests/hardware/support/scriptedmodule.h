#pragma once

#include "hardware/moduleinterface.h"

#include <QMap>
#include <QString>
#include <QStringList>

// A module whose hooks return what the test scripts and record that they ran, so the
// wrapper rules can be checked without any driver.
class ScriptedModule : public ModuleInterface
{
    Q_OBJECT
public:
    explicit ScriptedModule(const QString &prefix = QStringLiteral("TEST"),
                            QObject *parent = nullptr);

    QString namePrefix() const override { return m_prefix; }

    // Result of the named hook ("performInit", ...); 0 when not scripted.
    void script(const QString &hook, int result) { m_results[hook] = result; }
    QStringList calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    using ModuleInterface::setType;

protected:
    int performInit() override { return run(QStringLiteral("performInit")); }
    int performSelftest() override { return run(QStringLiteral("performSelftest")); }
    int performConfigure() override { return run(QStringLiteral("performConfigure")); }
    int performStart() override { return run(QStringLiteral("performStart")); }
    int performReset() override { return run(QStringLiteral("performReset")); }
    int performStop() override { return run(QStringLiteral("performStop")); }
    int performClose() override { return run(QStringLiteral("performClose")); }
    void performErrorMessage(int status) override;

private:
    int run(const QString &hook);

    QString m_prefix;
    QMap<QString, int> m_results;
    QStringList m_calls;
};

// One that also reads data, to tell the base's dataReading apart from an override.
class ReadingModule : public ScriptedModule
{
    Q_OBJECT
public:
    using ScriptedModule::ScriptedModule;

protected:
    int performDataReading() override { return 7; }
};
