#include "app/arrangementlistmodel.h"

#include "app/arrangementscollection.h"

ArrangementListModel::ArrangementListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void ArrangementListModel::setCollection(const std::shared_ptr<ArrangementsCollection> &collection)
{
    beginResetModel();
    m_collection = collection;
    endResetModel();
}

int ArrangementListModel::rowCount(const QModelIndex &parent) const
{
    // A list has no children under its rows; reporting some would make views and proxies
    // descend into rows that do not exist.
    if (parent.isValid())
        return 0;
    return m_collection->count();
}

QVariant ArrangementListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft);
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_collection->name(index.row());
    default:
        return QVariant();
    }
}

Qt::ItemFlags ArrangementListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return QAbstractListModel::flags(index) | Qt::ItemIsEditable;
}

bool ArrangementListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) || index.row() == 0)
        return false;
    if (!m_collection->setName(index.row(), value.toString()))
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

bool ArrangementListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    // Row 0 is the current arrangement and cannot go; a range running past the end is
    // refused as a whole rather than announced to the views and half carried out.
    if (parent.isValid() || row < 1 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_collection->remove(row);
    endRemoveRows();
    return true;
}

void ArrangementListModel::saveCurrent()
{
    if (!m_collection->currentArrangement().isValid())
        return;
    const int row = m_collection->count();
    beginInsertRows(QModelIndex(), row, row);
    m_collection->saveCurrent();
    endInsertRows();
}

ArrangementState ArrangementListModel::arrangement(int row) const
{
    return m_collection->arrangement(row);
}

void ArrangementListModel::setCurrentArrangement(const ArrangementState &arrangement)
{
    m_collection->setCurrentArrangement(arrangement);
}
