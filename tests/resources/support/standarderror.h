#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

#include <unistd.h>

// What one call writes to standard error, caught in a file: the lines a user would read.
inline QByteArray standardErrorOf(const std::function<void()> &call)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("stderr.txt"));
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    FILE *file = std::fopen(QFile::encodeName(path).constData(), "w");
    if (!file)
        return {};
    dup2(fileno(file), STDERR_FILENO);
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::fclose(file);
    QFile written(path);
    if (!written.open(QIODevice::ReadOnly))
        return {};
    return written.readAll();
}
