#pragma once

#include "hardware/autosearch.h"

#include <QList>

// Reports a given list of module types as simulated resources, without VISA or drivers.
class AutoSearchSimulator : public AutoSearch
{
    Q_OBJECT
public:
    explicit AutoSearchSimulator(const QList<ModuleTypes> &types, QObject *parent = nullptr);

    void FindVISAinstruments() override;

    // The pause before each simulated module is reported.
    static constexpr int modulePauseMs = 200;

private:
    QList<ModuleTypes> m_types;
};
