#pragma once

#include <QMap>
#include <QObject>
#include <QString>

class QRunnable;
class TavrinModule;

// Brings the modules of the module collection into service and out of it again: one carrier
// object per carrier path, carriers initialized first, then the modules, all on the global
// thread pool while the GUI thread keeps processing events; closing on the GUI thread,
// modules first, then carriers.
class Hardware : public QObject
{
    Q_OBJECT
public:
    explicit Hardware(QObject *parent = nullptr);
    ~Hardware() override;

    bool initializeBaseModules();
    bool initializeModules();
    bool closeModules();
    bool closeBaseModules();

    // The carrier made for a path, nullptr when there is none; never adds one.
    TavrinModule *baseModule(const QString &path) const;
    int baseModuleCount() const;

signals:
    void errorOccurred(const QString &text);

private:
    static void startTask(QRunnable *task);
    static void waitForPool();

    QMap<QString, TavrinModule *> m_baseModules;
};
