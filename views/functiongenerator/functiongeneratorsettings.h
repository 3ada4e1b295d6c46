#pragma once

#include "resources/storedstateinterface.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

// The load impedances the settings page accepts, in ohms; a stored list keeps no other.
inline constexpr double functionGeneratorMinimumImpedance = 25.0;
inline constexpr double functionGeneratorMaximumImpedance = 100000000000.0;

// The settings every generator view shares: the custom load impedances (ohms) the user added on
// the settings page, kept beside the predefined 50 Ω and 1 MΩ, in a file of their own.
class FunctionGeneratorSettings : public QObject, public StoredStateInterface
{
    Q_OBJECT
public:
    explicit FunctionGeneratorSettings(QObject *parent = nullptr);
    ~FunctionGeneratorSettings() override;

    const std::vector<double> &defaultImpedanceValues() const;
    const std::vector<double> &customImpedanceValues() const;
    // Custom values then the predefined ones, as held: neither sorted nor deduplicated.
    std::vector<double> supportedImpedanceValues() const;

    QString stateFile() const;
    ResourceState storeState() override;
    // Keeps each stored value that is a number within the page's range, in whole ohms as a
    // list shows it, once, and none that repeats a predefined one; one line on standard error
    // names what it dropped. Emits nothing: panels learn the list at the next change.
    void restoreState(const ResourceState &state) override;
    void store();
    void restore();

public slots:
    // Always emits, also for an unchanged list.
    void setCustomImpedanceValues(const std::vector<double> &values);

signals:
    void supportedImpedanceChanged(const std::vector<double> &values);

private:
    struct Internal;
    std::shared_ptr<Internal> d;
};
