// Feeds arbitrary bytes to the channel-data reader as a file and checks the shape it promises:
// every column as long as the others, names only from a header line.
#include "resources/channeldatafile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    QStringList names {QStringLiteral("sentinel")};
    const QVector<QVector<double>> columns = loadChannelsData(path, &names);
    for (const QVector<double> &column : columns) {
        if (column.size() != columns.first().size())
            std::abort();
    }
    const bool header = names != QStringList {QStringLiteral("sentinel")};
    if (header && names.size() != columns.size())
        std::abort();
    if (columns.isEmpty() && header)
        std::abort();
    return 0;
}
