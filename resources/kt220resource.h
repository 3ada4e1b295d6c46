#pragma once

#include "resources/powersupplyresource.h"

#include <QReadWriteLock>
#include <QTimer>

class KT220Module;

// The KT220 power-supply instrument as a one-channel power supply. Readings are polled every
// 200 ms from create() on, whether or not a view shows them; while the output is on, set
// points reach the instrument in batches, at most once per 500 ms and only when they changed.
class KT220Resource : public PowerSupplyResource
{
    Q_OBJECT
public:
    static constexpr int ReadingIntervalMs = 200;
    static constexpr int ApplyIntervalMs = 500;

    Q_INVOKABLE explicit KT220Resource(QObject *parent = nullptr);
    ~KT220Resource() override;

    QString type() const override;
    bool create() override;

    // The channel is ignored: the instrument has one output.
    void setOutputOptions(int channel, PowerSupplyOutputOptions const &options) override;
    PowerSupplyOutputOptions outputOptions(int channel) const override;
    int output(int channel, double &voltage, double &current) override;
    PowerSupplyModeType mode(int channel) override;

    // Switch the output on and off directly; the view does it through the enabled field.
    void start();
    int stop();

    ResourceState storeState() override;
    // The restored set points wait, with the output off, until it is next switched on. A set
    // point outside the record's bounds, or no number, gives the fresh resource's and is named.
    void restoreState(const ResourceState &state) override;

public slots:
    void read();
    void apply();

private:
    KT220Module *boundModule() const;
    // Takes the pending set points, if any, so they are written once; false when none.
    bool takePending(PowerSupplyOutputOptions &pending);
    void write(const PowerSupplyOutputOptions &options);

    PowerSupplyOutputOptions m_options;
    KT220Module *m_module = nullptr; // not owned
    bool m_stopped = true;
    bool m_changed = false;
    QTimer m_readingTimer;
    QTimer m_applyTimer;
    // Guards the record and the flags only. Driver calls run outside it: they may report an
    // error, and a view reacting to that must be able to call back into the resource.
    mutable QReadWriteLock m_lock {QReadWriteLock::Recursive};
};
