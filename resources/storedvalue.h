#pragma once

#include "resources/resourcestate.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// How the resources read a value of their stored state back. A state file may have been edited
// by anyone: a value reaches a resource only as a number that converts and lies within the
// module's limits, or as one of the key's listed values. Anything else gives the fresh
// resource's value, and one line on standard error and in the trace names the key, as in
//   generator state: outputOptions.offset_0 holds "zero", not a number within -10 .. 10; 0 is used
// owner names the state in that line ("generator", "power supply", "oscilloscope").

// Text that does not convert is no number: none then. nan and inf are numbers here.
std::optional<double> storedNumber(const QVariant &value);

// A finite number within minimum .. maximum. Anything else, a missing key included, gives
// fresh and is named.
double restoredNumber(const ResourceState &state, const QString &owner, const QString &key,
                      double fresh, double minimum, double maximum);

// A whole number that is one of the key's values. A missing key, and text, read as 0, which
// stands when it is listed (an older state lacks the key) and otherwise gives fresh; any other
// number gives fresh. Each is named but a missing key whose 0 stands.
int restoredChoice(const ResourceState &state, const QString &owner, const QString &key, int fresh,
                   const std::function<bool(int)> &listed);

// The one line for a stored value that is not used: what the key holds (or that it is
// missing), what it should hold, and what is used instead.
void reportRefusedValue(const QString &owner, const QString &key, const QVariant &stored,
                        const QString &wanted, const QString &used);
