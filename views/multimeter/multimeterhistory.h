#pragma once

#include <QPointF>
#include <QVector>

#include <deque>

// The readings history of the multimeter form: time stamps (strictly increasing) and values,
// one value per stamp, cut to the newest scan time's worth of readings, and the points that
// stand for it on the plot. Kept apart from the form so the rules can be checked by table.
struct MultimeterHistory
{
    std::deque<double> times;
    std::deque<double> values;

    // Adds one package of readings spaced by integrationTime from time. A package earlier than
    // the oldest kept reading starts a new run and empties the history first; only readings
    // later than the newest kept one (0.0 when empty) are kept.
    void append(double time, const QVector<double> &data, double integrationTime);
    // Keeps the newest scanTime / integrationTime readings (truncated); nothing is trimmed
    // with an integration time of 0, and a negative keep count empties the history.
    void trim(double scanTime, double integrationTime);
    void clear();
};

// Up to plotPointLimit readings as one point each; above that, buckets of
// 2^round(log2(N div plotPointLimit)) readings, each as its first reading and, at the time of
// its middle reading, its last reading.
constexpr int plotPointLimit = 2000;
int historyBucketSize(int count);
QVector<QPointF> historyPoints(const MultimeterHistory &history);
