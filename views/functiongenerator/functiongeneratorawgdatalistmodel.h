#pragma once

#include "resources/channeldatafile.h"

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QVector>

// The imported waveform files as list rows, one per file of the process-wide collection, in
// the collection's order; each reads as its file name without the suffix. Every panel has its
// own model over the one collection; all of them follow its changes.
class FunctionGeneratorAwgDataListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit FunctionGeneratorAwgDataListModel(QObject *parent = nullptr);
    // Stores the collection's list, so that it survives the panel.
    ~FunctionGeneratorAwgDataListModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    using QAbstractListModel::data;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Removes the files and their copies; false for a row outside the list.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // Drops files that can no longer be read.
    void updateList();

    int row(const QString &path) const;
    int addCopy(const QString &path);
    QString filePath(int row) const;
    int rowByContent(const QString &path) const;
    void lock(int row);
    void unlock(int row);
    int countSignals(int row) const;
    QStringList signalNames(int row) const;
    // The samples of one signal of a file; empty when it has no such signal.
    QVector<double> data(int row, int signal) const;
    ChannelsDataFieldCounts fieldCounts(int row, int signal) const;
    ChannelsDataRefusal refusal(int row) const;

private slots:
    void processAdd(int index);
    void processRemove(int index);

private:
    // The files as announced; the collection changes before it reports, so the model keeps
    // its own list and changes it between the announcements.
    QStringList m_files;
    bool m_resetting = false;
};
