#pragma once

#include <QObject>
#include <QString>

enum TraceLoggerMessageType : int {
    TraceLoggerInfo = 0,
    TraceLoggerWarning = 1,
    TraceLoggerCritical = 2,
    TraceLoggerFatal = 3,
    TraceLoggerNoOutput = 4,
};

// Forwards lines to the driver-call trace library, which takes Windows-1251 text only.
// It keeps no state and takes no lock: the trace library accepts concurrent calls, and the
// initialization tasks report from several pool threads at once.
class TraceLogger : public QObject
{
    Q_OBJECT
public:
    static TraceLogger &instance();

    explicit TraceLogger(QObject *parent = nullptr);

    void log(const QString &text, TraceLoggerMessageType type);

    // The level prefix of each message type, indexed by it.
    static QString prefix(TraceLoggerMessageType type);

public slots:
    void info(const QString &message, const QString &sourceName = QString());
    void warning(const QString &message, const QString &sourceName = QString());
    void critical(const QString &message, const QString &sourceName = QString());
    void fatal(const QString &message, const QString &sourceName = QString());
    // Kept for callers that log to a file; there is no trace file, so it writes nothing.
    void fileLog(const QString &message, const QString &sourceName = QString());

private:
    static QString compose(const QString &message, const QString &sourceName);
};
