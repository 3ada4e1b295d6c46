#include "resources/channeldatafile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

constexpr QChar kSeparator = QLatin1Char(';');

// Any letter marks a header line; the Latin range deliberately spans "[" to "`" as well.
const QRegularExpression &headerPattern()
{
    static const QRegularExpression pattern(QStringLiteral("([A-zА-я])"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// "∞" does not convert, yet it plainly stands for an infinity rather than for text.
bool isInfinitySign(const QStringRef &field)
{
    const bool signedField =
            field.startsWith(QLatin1Char('-')) || field.startsWith(QLatin1Char('+'));
    return (signedField ? field.mid(1) : field) == QStringLiteral("∞");
}

double toSample(const QStringRef &field, ChannelsDataFieldCounts &counts)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(field, &ok);
    if (ok) {
        ++counts.numbers;
        if (!std::isfinite(value))
            ++counts.nonFinite;
        return value;
    }
    if (isInfinitySign(field))
        ++counts.nonFinite;
    else if (!field.isEmpty())
        ++counts.texts;
    return 0.0;
}

void appendSamples(QVector<QVector<double>> &columns, const QVector<QStringRef> &fields,
                   QVector<ChannelsDataFieldCounts> &counts)
{
    for (int j = 0; j < fields.size(); ++j)
        columns[j].append(toSample(fields.at(j), counts[j]));
}

} // namespace

bool saveChannelsData(const QString &fileName, const QVector<QVector<double>> &columns)
{
    if (columns.isEmpty())
        return false;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;

    QTextStream out(&file);
    const QString word = QCoreApplication::translate("common", "channel");
    out << word << " 1";
    int rows = columns.first().size();
    for (int k = 2; k <= columns.size(); ++k) {
        out << ';' << word << QStringLiteral(" %1").arg(k);
        rows = std::max(rows, columns.at(k - 1).size());
    }
    out << '\n';

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            if (c > 0)
                out << ';';
            if (r < columns.at(c).size())
                out << columns.at(c).at(r);
        }
        out << '\n';
        if (out.status() != QTextStream::Ok)
            return false; // QSaveFile discards the partial copy
    }

    out.flush();
    if (out.status() != QTextStream::Ok)
        return false;
    return file.commit();
}

QVector<QVector<double>> loadChannelsData(const QString &fileName, QStringList *names,
                                          QVector<ChannelsDataFieldCounts> *counts,
                                          ChannelsDataRefusal *refusal)
{
    QVector<ChannelsDataFieldCounts> localCounts;
    QVector<ChannelsDataFieldCounts> &found = counts ? *counts : localCounts;
    ChannelsDataRefusal localRefusal = ChannelsDataRefusal::None;
    ChannelsDataRefusal &why = refusal ? *refusal : localRefusal;
    found.clear();
    why = ChannelsDataRefusal::None;
    const auto refuse = [&](ChannelsDataRefusal reason) {
        found.clear();
        why = reason;
        return QVector<QVector<double>>();
    };
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    if (!info.isFile())
        return {};
    if (info.size() > maxChannelsDataFileSize)
        return refuse(ChannelsDataRefusal::TooLarge);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};

    // readLine strips "\n" and "\r\n" alike, so files made on Windows read as their Unix twins.
    // Characters are counted against the limit as well: the file may grow while it is read. One
    // character beyond the longest line tells a line that was cut from one that fits.
    QTextStream in(&file);
    const QString first = in.readLine(maxChannelsDataLineLength + 1);
    if (first.isEmpty())
        return {};
    // The columns are sized from the first line: its fields are counted before it is split.
    if (first.count(kSeparator) >= maxChannelsDataColumns)
        return refuse(ChannelsDataRefusal::TooManyColumns);
    if (first.size() > maxChannelsDataLineLength)
        return refuse(ChannelsDataRefusal::LineTooLong);
    qint64 read = first.size() + 1;

    const QVector<QStringRef> firstFields = first.splitRef(kSeparator, Qt::KeepEmptyParts);
    const int columnCount = firstFields.size();
    QVector<QVector<double>> columns(columnCount);
    found.resize(columnCount);
    qint64 samples = 0;

    if (headerPattern().match(first).hasMatch()) {
        if (names) {
            names->clear();
            for (const QStringRef &field : firstFields)
                names->append(field.toString());
        }
    } else {
        appendSamples(columns, firstFields, found);
        samples += columnCount;
    }

    QString line;
    while (in.readLineInto(&line, maxChannelsDataLineLength + 1)) {
        // Each line counted with its line break, which the last one may lack.
        read += line.size() + 1;
        if (read > maxChannelsDataFileSize + 1)
            return refuse(ChannelsDataRefusal::TooLarge);
        // A line cut at the bound, or of another field count, ends the read. Counted before
        // splitting: a hostile line of a million fields builds no million references.
        if (line.size() > maxChannelsDataLineLength || line.count(kSeparator) + 1 != columnCount)
            break;
        samples += columnCount;
        if (samples > maxChannelsDataSamples)
            return refuse(ChannelsDataRefusal::TooManySamples);
        appendSamples(columns, line.splitRef(kSeparator, Qt::KeepEmptyParts), found);
    }
    return columns;
}
