#pragma once

#include <QMap>
#include <QObject>
#include <QString>

class TavrinModule;

// Brings the modules of the module collection into service and takes them out again: one
// carrier object per carrier path, carriers initialized in parallel first, then one task per
// carrier (its modules in sequence) and one per stand-alone instrument, all on the global
// thread pool while the GUI thread keeps processing events. Closing runs on the GUI thread.
//
// The carrier objects are not deleted by this object: the modules' error reporting may
// still refer to them while the program shuts down, and they hold nothing once closed.
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

    // The carrier made for a path; nullptr when there is none. Looking up adds nothing.
    TavrinModule *carrier(const QString &path) const;

signals:
    void errorOccurred(const QString &text);

private:
    // Keeps the GUI responsive until the global pool has run every task.
    static void waitForPool();

    QMap<QString, TavrinModule *> m_carriers;
};
