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
    Refused, // not a regular file, or unreadable and not movable: never to be opened or written;
             // for a write also: the lock beside it cannot be had
};

// What a store is prepared for: reading never waits for the lock beside it; a write waits a
// few seconds at most, and is refused when the lock cannot be had by then.
enum class StoreUse {
    Read,
    Write,
};

// Decides whether path may be opened as a store. Only a regular file (or a symbolic link to
// one) is ever opened, and its values are read from a private copy, so a hostile value never
// reaches a store object already open on the path. A lock beside it that no running process
// holds (left empty, or by a process that has ended) is removed first, and one that is not a
// regular file is unlinked, so the write that follows does not wait for it. For a write, call
// this before the store object is given any change: a change Qt keeps pending is written
// later under a lock it waits for without end.
StoreFileStatus prepareStoreFile(const QString &path, StoreUse use = StoreUse::Read);

// The name beside path for a store that cannot be read:
// "<name>.corrupt-<yyyyMMdd-HHmmss>", with "-<n>" added while that name is taken.
QString corruptStoreFileName(const QString &path, const QDateTime &when);

// Writes the store's changes to its file and reports a write that failed (a full disk, a
// read-only folder, a file where its folder should be). True when it was written.
bool writeStore(QSettings &settings);

// One line on standard error and in the trace.
void reportStoreProblem(const QString &line);
