#pragma once

#include "hardware/moduledescription.h"

#include <QObject>
#include <QString>
#include <QVector>

// Finds the carriers and stand-alone instruments among the VISA resources and reports the
// modules in the carriers' slots and the instruments themselves.
//
// The search runs on the global thread pool and reports through signals only; the object
// must outlive the run, which ends with exactly one autoSearchFinished on every path.
class AutoSearch : public QObject
{
    Q_OBJECT
public:
    explicit AutoSearch(QObject *parent = nullptr);

    // Starts one run and returns at once; the outcome comes only through the signals.
    void find();

    virtual void FindVISAinstruments();

    static ModuleTypes findMainDeviceByModel(unsigned short manufacturerId,
                                             unsigned long modelCode);
    static ModuleTypes findMainDeviceByIDN(unsigned short manufacturerId, unsigned long modelCode,
                                           const QString &idn);
    static ModuleTypes findMezzanineByModel(unsigned long code);

signals:
    void found(const ModuleDescription &module);
    void autoSearchFinished(const QVector<ModuleDescription> &modules);

private:
    void scanCarrier(const QString &resource, QVector<ModuleDescription> &modules);
    void report(const ModuleDescription &module, QVector<ModuleDescription> &modules);
};
