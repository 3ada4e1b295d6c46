#include "views/multimeter/multimeterhistory.h"

#include <algorithm>
#include <cmath>

void MultimeterHistory::append(double time, const QVector<double> &data, double integrationTime)
{
    if (!times.empty() && time < times.front())
        clear();
    // The empty history counts as last time 0.0, so the first reading of a run at 0 stays out.
    const double lastTime = times.empty() ? 0.0 : times.back();
    for (int i = 0; i < data.size(); ++i) {
        const double t = time + i * integrationTime;
        if (t > lastTime) {
            times.push_back(t);
            values.push_back(data.at(i));
        }
    }
}

void MultimeterHistory::trim(double scanTime, double integrationTime)
{
    if (integrationTime == 0.0)
        return;
    const double keep = scanTime / integrationTime;
    // A corrupt (negative) integration time must not erase past the end.
    const auto trimTo = [keep](std::deque<double> &queue) {
        if (!(double(queue.size()) > keep))
            return;
        const double kept = std::trunc(keep);
        const size_t remain = kept > 0.0 ? size_t(kept) : 0;
        queue.erase(queue.begin(), queue.begin() + std::ptrdiff_t(queue.size() - remain));
    };
    trimTo(times);
    trimTo(values);
}

void MultimeterHistory::clear()
{
    times.clear();
    values.clear();
}

int historyBucketSize(int count)
{
    if (count <= plotPointLimit)
        return 1;
    return 1 << int(std::lround(std::log2(double(count / plotPointLimit))));
}

QVector<QPointF> historyPoints(const MultimeterHistory &history)
{
    const int count = int(history.times.size());
    QVector<QPointF> points;
    if (count <= plotPointLimit) {
        points.reserve(count);
        for (int i = 0; i < count; ++i)
            points.append(QPointF(history.times[size_t(i)], history.values[size_t(i)]));
        return points;
    }
    const int step = historyBucketSize(count);
    points.reserve(2 * (count / step + 1));
    for (int i = 0; i < count; i += step) {
        const int last = std::min(i + step - 1, count - 1);
        const int middle = i + (last - i) / 2;
        points.append(QPointF(history.times[size_t(i)], history.values[size_t(i)]));
        points.append(QPointF(history.times[size_t(middle)], history.values[size_t(last)]));
    }
    return points;
}
