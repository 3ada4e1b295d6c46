#pragma once

#include <QString>
#include <QStringList>

class ModuleInterface;

// A simulated bench for the instrument-module tests: one carrier with an HX2 in slot 1, an
// HX9 in slot 2, a multimeter in slot 3 and a generator in slot 4, and a power supply.
namespace modulesbench {

extern const char *const Carrier;
extern const char *const Supply;

// Loads the bench afresh; false when the description was refused.
bool load();
// Opens the carrier session and initializes the module in the given slot through init().
// Returns init's result (or the carrier's failing status).
int openOnCarrier(ModuleInterface *module, int slot);
// Opens the power supply through init().
int openSupply(ModuleInterface *module);
// Names of the driver calls logged since the last clear, oldest first.
QStringList calledFunctions(const QString &prefix = QString());

} // namespace modulesbench
