#pragma once

#include "resources/functiongeneratorimpedance.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

// The load impedances (ohms) a list offers: predefined rows first, which stay, then custom
// rows, which the user adds and removes. Each row reads as its value with a decimal prefix
// and the unit, either plain ("50 Ω") or laid out in aligned columns for a list editor.
class FunctionGeneratorImpedanceListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit FunctionGeneratorImpedanceListModel(QObject *parent = nullptr);
    ~FunctionGeneratorImpedanceListModel() override;

    // Aligned columns when set (the default); plain text otherwise.
    void setFormat(bool format);
    // Looked up in this class's translation context each time a row is shown.
    void setUnits(const QString &units);
    // Kept in the order given.
    void setPredefinedValues(const QList<double> &values);
    // Sorted ascending; duplicates stay.
    void setCustomValues(const QList<double> &values);
    // Both lists as given, neither sorted.
    void set(const QList<double> &predefined, const QList<double> &custom);

    QList<double> customImpedanceValues() const;
    // Custom and predefined together, ascending, duplicates kept.
    QList<double> getAllImpedanceValues() const;
    // NaN for a row outside the list.
    double value(int row) const;
    // Only custom rows can be removed.
    bool canRemove(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // False, with nothing removed, unless every row asked for is a custom row.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // The first predefined row with exactly this value, else the first custom one, else -1.
    int rowByValue(double value) const;
    // The row of a listed value (custom rows first), or the row where it was inserted into the
    // custom values in ascending order.
    int add(double value);

private:
    QString text(double value) const;

    QList<double> m_predefinedValues;
    QList<double> m_customValues;
    QString m_units;
    bool m_format = true;
};
