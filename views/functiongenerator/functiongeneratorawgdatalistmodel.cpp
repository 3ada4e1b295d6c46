#include "views/functiongenerator/functiongeneratorawgdatalistmodel.h"

#include "resources/functiongeneratorawgfilescollection.h"

#include <QFileInfo>

namespace {

FunctionGeneratorAwgFilesCollection &files()
{
    return FunctionGeneratorAwgFilesCollection::instance();
}

} // namespace

FunctionGeneratorAwgDataListModel::FunctionGeneratorAwgDataListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    for (int i = 0; i < files().count(); ++i)
        m_files << files().file(i);
    connect(&files(), &FunctionGeneratorAwgFilesCollection::added, this,
            &FunctionGeneratorAwgDataListModel::processAdd);
    connect(&files(), &FunctionGeneratorAwgFilesCollection::removed, this,
            &FunctionGeneratorAwgDataListModel::processRemove);
}

FunctionGeneratorAwgDataListModel::~FunctionGeneratorAwgDataListModel()
{
    files().store();
}

int FunctionGeneratorAwgDataListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_files.size();
}

QVariant FunctionGeneratorAwgDataListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_files.size())
        return {};
    switch (role) {
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft);
    case Qt::DisplayRole:
    case Qt::EditRole: {
        const QFileInfo info(m_files.at(index.row()));
        QString name = info.fileName();
        if (!info.completeSuffix().isEmpty())
            name.remove(QLatin1Char('.') + info.completeSuffix(), Qt::CaseSensitive);
        return name;
    }
    default:
        return {};
    }
}

bool FunctionGeneratorAwgDataListModel::removeRows(int row, int count, const QModelIndex &)
{
    if (row < 0 || row >= rowCount())
        return false;
    // Each removal moves the following files up, and the collection reports each.
    for (int i = 0; i < count && row < files().count(); ++i)
        files().remove(row);
    return true;
}

void FunctionGeneratorAwgDataListModel::updateList()
{
    // The collection reports every dropped file to every model over it; this one takes them
    // as one reset.
    beginResetModel();
    m_resetting = true;
    files().update();
    m_resetting = false;
    m_files.clear();
    for (int i = 0; i < files().count(); ++i)
        m_files << files().file(i);
    endResetModel();
}

int FunctionGeneratorAwgDataListModel::row(const QString &path) const
{
    return files().indexOf(path);
}

int FunctionGeneratorAwgDataListModel::addCopy(const QString &path)
{
    return files().addCopy(path);
}

QString FunctionGeneratorAwgDataListModel::filePath(int row) const
{
    return files().file(row);
}

int FunctionGeneratorAwgDataListModel::rowByContent(const QString &path) const
{
    return files().findByContent(path);
}

void FunctionGeneratorAwgDataListModel::lock(int row)
{
    files().lock(row);
}

void FunctionGeneratorAwgDataListModel::unlock(int row)
{
    files().unlock(row);
}

int FunctionGeneratorAwgDataListModel::countSignals(int row) const
{
    return files().countSignals(row);
}

QStringList FunctionGeneratorAwgDataListModel::signalNames(int row) const
{
    return files().signalNames(row);
}

QVector<double> FunctionGeneratorAwgDataListModel::data(int row, int signal) const
{
    return files().data(row, signal);
}

ChannelsDataFieldCounts FunctionGeneratorAwgDataListModel::fieldCounts(int row, int signal) const
{
    return files().fieldCounts(row, signal);
}

ChannelsDataRefusal FunctionGeneratorAwgDataListModel::refusal(int row) const
{
    return files().refusal(row);
}

void FunctionGeneratorAwgDataListModel::processAdd(int index)
{
    if (m_resetting)
        return;
    beginInsertRows(QModelIndex(), index, index);
    m_files.insert(index, files().file(index));
    endInsertRows();
}

void FunctionGeneratorAwgDataListModel::processRemove(int index)
{
    if (m_resetting)
        return;
    beginRemoveRows(QModelIndex(), index, index);
    m_files.removeAt(index);
    endRemoveRows();
}
