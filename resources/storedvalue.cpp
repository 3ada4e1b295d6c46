#include "resources/storedvalue.h"

#include "resources/storefile.h"

#include <cmath>
#include <limits>

namespace {

bool isWhole(double value)
{
    return std::isfinite(value) && std::trunc(value) == value
            && value >= double(std::numeric_limits<int>::min())
            && value <= double(std::numeric_limits<int>::max());
}

} // namespace

std::optional<double> storedNumber(const QVariant &value)
{
    bool ok = false;
    const double read = value.toDouble(&ok);
    return ok ? std::optional<double>(read) : std::nullopt;
}

double restoredNumber(const ResourceState &state, const QString &owner, const QString &key,
                      double fresh, double minimum, double maximum)
{
    const QVariant stored = state.value(key);
    const std::optional<double> read = storedNumber(stored);
    if (read && std::isfinite(*read) && *read >= minimum && *read <= maximum)
        return *read;
    reportRefusedValue(owner, key, stored,
                       QStringLiteral("a number within %1 .. %2").arg(minimum).arg(maximum),
                       QString::number(fresh));
    return fresh;
}

int restoredChoice(const ResourceState &state, const QString &owner, const QString &key, int fresh,
                   const std::function<bool(int)> &listed)
{
    const QVariant stored = state.value(key);
    const std::optional<double> read = storedNumber(stored);
    if (read && isWhole(*read) && listed(int(*read)))
        return int(*read);
    const int used = !read && listed(0) ? 0 : fresh;
    if (stored.isValid() || !listed(0))
        reportRefusedValue(owner, key, stored, QStringLiteral("one of its values"),
                           QString::number(used));
    return used;
}

void reportRefusedValue(const QString &owner, const QString &key, const QVariant &stored,
                        const QString &wanted, const QString &used)
{
    const QString problem = stored.isValid()
            ? QStringLiteral("holds \"%1\", not %2").arg(stored.toString(), wanted)
            : QStringLiteral("is missing");
    reportStoreProblem(
            QStringLiteral("%1 state: %2 %3; %4 is used").arg(owner, key, problem, used));
}
