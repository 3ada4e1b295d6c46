#include "hardware/tracelogger.h"

#include "zqtrace.h"

#include <QByteArray>
#include <QTextCodec>

#include <iterator>
#include <memory>

namespace {

// Indexed by TraceLoggerMessageType; every prefix ends in one blank.
constexpr const char *msgType[] = { "(II) ", "(WW) ", "(EE) ", "(FF) ", "" };

} // namespace

TraceLogger &TraceLogger::instance()
{
    static const std::shared_ptr<TraceLogger> logger(new TraceLogger(nullptr));
    return *logger;
}

TraceLogger::TraceLogger(QObject *parent)
    : QObject(parent)
{
}

QString TraceLogger::prefix(TraceLoggerMessageType type)
{
    const int index = static_cast<int>(type);
    if (index < 0 || index >= int(std::size(msgType)))
        return QString();
    return QString::fromLatin1(msgType[index]);
}

void TraceLogger::log(const QString &text, TraceLoggerMessageType type)
{
    if (type == TraceLoggerNoOutput)
        return;
    const QString line = prefix(type) + QLatin1Char(' ') + text;
    static QTextCodec *const codec = QTextCodec::codecForName("Windows-1251");
    QByteArray bytes = codec ? codec->fromUnicode(line) : line.toLatin1();
    // QByteArray keeps a terminating NUL behind its data.
    zqTraceLog(bytes.data());
}

QString TraceLogger::compose(const QString &message, const QString &sourceName)
{
    if (sourceName.isEmpty())
        return message;
    return sourceName + QStringLiteral(": ") + message;
}

void TraceLogger::info(const QString &message, const QString &sourceName)
{
    log(compose(message, sourceName), TraceLoggerInfo);
}

void TraceLogger::warning(const QString &message, const QString &sourceName)
{
    log(compose(message, sourceName), TraceLoggerWarning);
}

void TraceLogger::critical(const QString &message, const QString &sourceName)
{
    log(compose(message, sourceName), TraceLoggerCritical);
}

void TraceLogger::fatal(const QString &message, const QString &sourceName)
{
    log(compose(message, sourceName), TraceLoggerFatal);
}

void TraceLogger::fileLog(const QString &message, const QString &sourceName)
{
    Q_UNUSED(message)
    Q_UNUSED(sourceName)
}
