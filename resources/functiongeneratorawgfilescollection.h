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

// Whether the fields of one signal (a column of a waveform file) are samples a generator can
// play. The reader turns what does not convert into 0.0, so a column of names, or a file in
// another format (commas between the fields, decimal commas), would play a flat zero. The line:
// at least one field converted, and fields of text that did not convert are no more than the
// numbers (half and half still plays). Empty fields count on neither side. Any NaN or infinity
// refuses the signal: no generator plays it.
bool functionGeneratorPlayableFields(const ChannelsDataFieldCounts &fields);

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
    // Whether signal of file index is one a generator plays (functionGeneratorPlayableFields).
    bool isPlayable(int index, int signal);

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
