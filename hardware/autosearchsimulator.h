#pragma once

#include "hardware/autosearch.h"

#include <QList>

// Stands in for the VISA search in demonstration mode: reports the given module types as
// simulated resources, one every 200 ms, without touching VISA or a driver.
class AutoSearchSimulator : public AutoSearch
{
    Q_OBJECT
public:
    explicit AutoSearchSimulator(const QList<ModuleTypes> &types, QObject *parent = nullptr);

    void FindVISAinstruments() override;

    // The pause before each simulated report.
    static constexpr int pauseMs = 200;

private:
    QList<ModuleTypes> m_types;
};
