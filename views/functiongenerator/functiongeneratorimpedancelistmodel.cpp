#include "views/functiongenerator/functiongeneratorimpedancelistmodel.h"

#include "ui/viewbase/commonfunctions.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

FunctionGeneratorImpedanceListModel::FunctionGeneratorImpedanceListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

FunctionGeneratorImpedanceListModel::~FunctionGeneratorImpedanceListModel() = default;

void FunctionGeneratorImpedanceListModel::setFormat(bool format)
{
    beginResetModel();
    m_format = format;
    endResetModel();
}

void FunctionGeneratorImpedanceListModel::setUnits(const QString &units)
{
    beginResetModel();
    m_units = units;
    endResetModel();
}

void FunctionGeneratorImpedanceListModel::setPredefinedValues(const QList<double> &values)
{
    beginResetModel();
    m_predefinedValues = values;
    endResetModel();
}

void FunctionGeneratorImpedanceListModel::setCustomValues(const QList<double> &values)
{
    beginResetModel();
    m_customValues = values;
    std::sort(m_customValues.begin(), m_customValues.end());
    endResetModel();
}

void FunctionGeneratorImpedanceListModel::set(const QList<double> &predefined,
                                              const QList<double> &custom)
{
    beginResetModel();
    m_predefinedValues = predefined;
    m_customValues = custom;
    endResetModel();
}

QList<double> FunctionGeneratorImpedanceListModel::customImpedanceValues() const
{
    return m_customValues;
}

QList<double> FunctionGeneratorImpedanceListModel::getAllImpedanceValues() const
{
    QList<double> all = m_customValues + m_predefinedValues;
    std::sort(all.begin(), all.end());
    return all;
}

double FunctionGeneratorImpedanceListModel::value(int row) const
{
    const int predefinedCount = m_predefinedValues.size();
    if (row >= 0 && row < predefinedCount)
        return m_predefinedValues.at(row);
    if (row >= predefinedCount && row - predefinedCount < m_customValues.size())
        return m_customValues.at(row - predefinedCount);
    return std::numeric_limits<double>::quiet_NaN();
}

bool FunctionGeneratorImpedanceListModel::canRemove(const QModelIndex &index) const
{
    return index.isValid() && index.row() >= m_predefinedValues.size() && index.row() < rowCount();
}

int FunctionGeneratorImpedanceListModel::rowCount(const QModelIndex &parent) const
{
    // A list: rows have no children, or views would descend without end.
    if (parent.isValid())
        return 0;
    return m_predefinedValues.size() + m_customValues.size();
}

QVariant FunctionGeneratorImpedanceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft);
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(value(index.row()));
    case Qt::SizeHintRole:
        if (const auto *widget = qobject_cast<const QWidget *>(QObject::parent()))
            return QFontMetrics(widget->font())
                    .size(Qt::TextShowMnemonic, text(value(index.row())));
        return {};
    default:
        return {};
    }
}

bool FunctionGeneratorImpedanceListModel::removeRows(int row, int count, const QModelIndex &)
{
    const int predefinedCount = m_predefinedValues.size();
    if (row < predefinedCount || count <= 0 || row + count > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    const int first = row - predefinedCount;
    m_customValues.erase(m_customValues.begin() + first, m_customValues.begin() + first + count);
    endRemoveRows();
    return true;
}

int FunctionGeneratorImpedanceListModel::rowByValue(double value) const
{
    const int predefinedRow = m_predefinedValues.indexOf(value);
    if (predefinedRow >= 0)
        return predefinedRow;
    const int customPosition = m_customValues.indexOf(value);
    if (customPosition >= 0)
        return m_predefinedValues.size() + customPosition;
    return -1;
}

int FunctionGeneratorImpedanceListModel::add(double value)
{
    const int predefinedCount = m_predefinedValues.size();
    const int customPosition = m_customValues.indexOf(value);
    if (customPosition >= 0)
        return predefinedCount + customPosition;
    const int predefinedRow = m_predefinedValues.indexOf(value);
    if (predefinedRow >= 0)
        return predefinedRow;
    const auto at = std::upper_bound(m_customValues.begin(), m_customValues.end(), value);
    const int position = int(at - m_customValues.begin());
    const int row = predefinedCount + position;
    beginInsertRows(QModelIndex(), row, row);
    m_customValues.insert(position, value);
    endInsertRows();
    return row;
}

QString FunctionGeneratorImpedanceListModel::text(double value) const
{
    DoubleToFormatString format;
    if (m_format) {
        format.setMinSymbolsBeforeDelemeter(3);
        format.setMinSymbolsAfterDelemeter(9);
        format.adjustUnits(true);
    }
    format.setUnits(QCoreApplication::translate("FunctionGeneratorImpedanceListModel",
                                                m_units.toUtf8().constData()));
    return format(value);
}
