#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Sampled channels as semicolon-separated columns of a text file, with an optional header line
// of column names. Column j of the file is channel j + 1.

// Writes the columns with a header line; false when there are no columns or any write fails.
// The file is replaced only when everything was written, so a failed export keeps the old file.
bool saveChannelsData(const QString &fileName, const QVector<QVector<double>> &columns);

// The largest file the reader takes: 64 MiB. A larger file, or a reading that goes beyond it
// (a file still growing), is refused as a whole.
constexpr qint64 maxChannelsDataFileSize = qint64(64) * 1024 * 1024;

// The most columns a file may have. A generator plays two signals and an oscilloscope export
// holds a few channels; a thousand is far beyond any file a person picks signals from, and the
// columns are sized before a sample is read, so the first line must not decide their number
// without a bound.
constexpr int maxChannelsDataColumns = 1024;

// The most samples, all columns together, a file may hold: 4 Mi samples, 32 MiB in memory.
// That keeps a read on the calling thread under a second and still takes a whole oscilloscope
// frame (three channels of 1,024,000 points) back in.
constexpr qint64 maxChannelsDataSamples = qint64(4) * 1024 * 1024;

// The longest line the reader takes, in characters: room for every column with a long name or
// number. A longer first line refuses the file; a longer later line ends the read, as a line
// with the wrong number of fields does.
constexpr int maxChannelsDataLineLength = maxChannelsDataColumns * 256;

// Why a file gave no columns although it could be opened, so that a caller can tell a file
// beyond the reader's bounds from one in another format.
enum class ChannelsDataRefusal {
    None, // read, or nothing to read (no file, an empty first line)
    TooLarge, // larger than maxChannelsDataFileSize, or grew beyond it while read
    TooManyColumns, // the first line holds more than maxChannelsDataColumns fields
    TooManySamples, // more than maxChannelsDataSamples samples
    LineTooLong, // the first line is longer than maxChannelsDataLineLength
};

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
// regular file (a device or a pipe never ends), or its first line is empty, and when it is
// beyond one of the bounds above; *refusal (when not null) then says which. *counts (when
// counts is not null) receives what became of the fields of the lines that gave samples, one
// entry per column; none for an empty result.
QVector<QVector<double>> loadChannelsData(const QString &fileName, QStringList *names = nullptr,
                                          QVector<ChannelsDataFieldCounts> *counts = nullptr,
                                          ChannelsDataRefusal *refusal = nullptr);
