#pragma once

#include "resources/storedstateinterface.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The settings every oscilloscope view shares: the read point limit, the most samples per
// channel a panel works with, chosen by index from a fixed table. One object serves the whole
// process; it keeps itself in an INI file of its own.
//
// The index is always one of the table's: a new object starts at the first entry, and a
// stored index outside the table or not a number restores as the first entry too, so the
// panels never read past the table.
class DigitalOscilloscopeSettings : public QObject, public StoredStateInterface
{
    Q_OBJECT
public:
    explicit DigitalOscilloscopeSettings(QObject *parent = nullptr);
    ~DigitalOscilloscopeSettings() override;

    const std::vector<uint64_t> &defaultPointCountValues() const;
    int pointCountIndex() const;
    const uint64_t &pointCountValue() const;

    ResourceState storeState() override;
    // Emits nothing: the views read the value when they build their panels.
    void restoreState(const ResourceState &state) override;

    // The INI file in the writable configuration folder, which is created when missing.
    QString stateFile() const;
    void store();
    void restore();

public slots:
    // An index outside the table or equal to the current one changes nothing.
    void setPointCountIndex(int value);

signals:
    void maximumPointsCountChanged(uint64_t values);

private:
    struct Internal;
    std::shared_ptr<Internal> d;
};
