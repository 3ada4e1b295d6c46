#pragma once

#include "hardware/moduledescription.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <mutex>

// Finds the carriers and stand-alone instruments among the VISA resources and reports the
// modules in the carriers' slots and the instruments themselves.
//
// The search runs on the global thread pool and reports through signals only; the object
// must outlive the run, which ends with exactly one autoSearchFinished on every path.
//
// Both signals are emitted under the search's hand-over lock, and a receiver on another thread
// calls receiveReport() before it reads its copy: Qt copies a report into a queued receiver's
// event on the search thread and passes the event on under its own lock, which the thread
// sanitizer cannot see inside Qt; taking the search's lock orders those copies before the
// receiver, where it can. No receiver may be connected with Qt::BlockingQueuedConnection.
class AutoSearch : public QObject
{
    Q_OBJECT
public:
    explicit AutoSearch(QObject *parent = nullptr);

    // Starts one run and returns at once; the outcome comes only through the signals.
    void find();

    virtual void FindVISAinstruments();

    // Returns once the report being emitted, if any, is out; called by a queued receiver
    // before it reads the report, and before the object is deleted after its last report.
    void receiveReport();

    static ModuleTypes findMainDeviceByModel(unsigned short manufacturerId,
                                             unsigned long modelCode);
    static ModuleTypes findMainDeviceByIDN(unsigned short manufacturerId, unsigned long modelCode,
                                           const QString &idn);
    static ModuleTypes findMezzanineByModel(unsigned long code);

signals:
    void found(const ModuleDescription &module);
    void autoSearchFinished(const QVector<ModuleDescription> &modules);

protected:
    // Emit found (and keep the hit) or autoSearchFinished under the hand-over lock.
    void report(const ModuleDescription &module, QVector<ModuleDescription> &modules);
    void finish(const QVector<ModuleDescription> &modules);

private:
    void scanCarrier(const QString &resource, QVector<ModuleDescription> &modules);

    std::mutex m_handOver;
};
