#pragma once

#include "hardware/moduledescription.h"

#include <QObject>
#include <QString>
#include <QVector>

// Searches the VISA resources for carriers (whose slots it asks for their mezzanines) and
// stand-alone power supplies. The run happens on the global thread pool and reports only
// through queued signals; autoSearchFinished comes exactly once per run, on every path.
// The object must outlive the run.
class AutoSearch : public QObject
{
    Q_OBJECT
public:
    explicit AutoSearch(QObject *parent = nullptr);

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
    void report(const ModuleDescription &module, QVector<ModuleDescription> &modules);
    void scanCarrier(const QString &resource, QVector<ModuleDescription> &modules);
    void examineResource(unsigned int resourceManager, const char *resource,
                         QVector<ModuleDescription> &modules);
};
