#pragma once

// Reading the simulated bench's call log in resource tests: how often a driver function was
// called and what it last received.
#include "simbench/simcontrol.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace simulatedcalls {

inline int count(const char *function)
{
    return int(simbench::callLog(function).size());
}

inline std::vector<std::string> lastArgs(const char *function)
{
    const auto calls = simbench::callLog(function);
    return calls.empty() ? std::vector<std::string>() : calls.back().args;
}

inline double number(const std::string &text)
{
    return QString::fromStdString(text).toDouble();
}

// The functions called since the log was cleared, in call order.
inline QStringList callNames()
{
    QStringList names;
    for (const simbench::CallRecord &call : simbench::callLog())
        names << QString::fromStdString(call.function);
    return names;
}

} // namespace simulatedcalls
