#pragma once

#include "resources/channeldatafile.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

// SHA-1 digest of a whole file; empty when the file cannot be opened or is not regular.
QByteArray createSignature(const QString &path);

// The process-wide list of imported waveform files: copies in the application's data folder,
// at most 20, kept in order of recent use. Users pin the files they play so that an import at
// the limit evicts only files nobody uses. Signals are read on demand and cached.
class FunctionGeneratorAwgFilesCollection : public QObject
{
    Q_OBJECT
public:
    static constexpr int maxFiles = 20;

    static FunctionGeneratorAwgFilesCollection &instance();
    static QString dataPath();

    explicit FunctionGeneratorAwgFilesCollection(QObject *parent = nullptr);
    ~FunctionGeneratorAwgFilesCollection() override;

    int count() const;
    QString file(int index) const;
    int indexOf(const QString &path) const;

    int addCopy(const QString &sourcePath);
    void remove(int index);
    void removeOne();

    void lock(int index);
    void unlock(int index);

    int countSignals(int index);
    QStringList signalNames(int index);
    QVector<double> data(int index, int signal);
    // What the reader made of one signal's fields; zeros for a file or signal it lacks.
    ChannelsDataFieldCounts fieldCounts(int index, int signal);
    // Why the reader refused the file, when it did (None for a file or index it did not).
    ChannelsDataRefusal refusal(int index);

    void update();
    int findByContent(const QString &path) const;

    void store() const;
    void restore();

    // Use order, most recently used first (for tests and the view's list model).
    QVector<int> useOrder() const;
    int pinCount(int index) const;
    bool isCached(int index) const;

signals:
    void added(int index);
    void removed(int index);

private:
    struct Internal;
    std::unique_ptr<Internal> m_d;
};
