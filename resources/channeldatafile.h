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

// Reads the columns back. A first line holding any letter is a header: its fields go to *names
// (when names is not null) and it gives no samples. Reading ends at the first line whose field
// count differs from the first line's. Empty result when the file cannot be read, is not a
// regular file (a device or a pipe never ends), is larger than maxChannelsDataFileSize, or its
// first line is empty.
QVector<QVector<double>> loadChannelsData(const QString &fileName, QStringList *names = nullptr);
