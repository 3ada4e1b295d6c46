#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Sampled channels as semicolon-separated columns of a text file, with an optional header line
// of column names. Column j of the file is channel j + 1.

// Writes the columns with a header line; false when there are no columns or any write fails.
// The file is replaced only when everything was written, so a failed export keeps the old file.
bool saveChannelsData(const QString &fileName, const QVector<QVector<double>> &columns);

// The largest file the reader takes: 128 MiB. A larger file, or a reading that goes beyond it
// (a file still growing), is refused as a whole.
constexpr qint64 maxChannelsDataFileSize = qint64(128) * 1024 * 1024;

// What the reader made of the sample fields of one column. A field that does not convert reads
// as 0.0, so the column alone cannot tell a signal of zeros from one in another format; these
// counts can. Empty fields are neither numbers nor texts: the writer leaves them under short
// columns.
struct ChannelsDataFieldCounts
{
    qint64 numbers = 0; // fields that converted, NaN and infinities included
    qint64 texts = 0; // fields with text that did not convert
    qint64 nonFinite = 0; // fields that converted to NaN or an infinity, or read "∞"
};

// Reads the columns back. A first line holding any letter is a header: its fields go to *names
// (when names is not null) and it gives no samples. Reading ends at the first line whose field
// count differs from the first line's. Empty result when the file cannot be read, is not a
// regular file (a device or a pipe never ends), is larger than maxChannelsDataFileSize, or its
// first line is empty. *counts (when counts is not null) receives what became of the fields of
// the lines that gave samples, one entry per column; none for an empty result.
QVector<QVector<double>> loadChannelsData(const QString &fileName, QStringList *names = nullptr,
                                          QVector<ChannelsDataFieldCounts> *counts = nullptr);
