#pragma once

#include <QString>

class QDateTime;
class QSettings;

// The files the program keeps its settings and states in (the settings store, the resource
// state files, the waveform list) are read and written under a guard: a store that cannot be
// read or written never stops the program. Every problem gives one line on standard error
// and in the trace, naming the file.

enum class StoreFileStatus {
    Usable, // missing, or a regular file whose every value reads
    MovedAside, // held a value that cannot be read: now under a ".corrupt" name, the store is new
    Refused, // not a regular file, or unreadable and not movable: never to be opened or written
};

// Decides whether path may be opened as a store. Only a regular file (or a symbolic link to
// one) is ever opened, and its values are read from a private copy, so a hostile value never
// reaches a store object already open on the path. A lock beside it that no running process
// holds (left empty, or by a process that has ended) is removed first, so the write that
// follows does not wait for it.
StoreFileStatus prepareStoreFile(const QString &path);

// The name beside path for a store that cannot be read:
// "<name>.corrupt-<yyyyMMdd-HHmmss>", with "-<n>" added while that name is taken.
QString corruptStoreFileName(const QString &path, const QDateTime &when);

// Writes the store's changes to its file and reports a write that failed (a full disk, a
// read-only folder, a file where its folder should be). True when it was written.
bool writeStore(QSettings &settings);

// One line on standard error and in the trace.
void reportStoreProblem(const QString &line);
