#pragma once

#include "app/arrangementstate.h"

#include <QAbstractListModel>

#include <memory>

class ArrangementsCollection;

// The arrangements as a one-column list: row 0 is the current ("Last used arrangement"),
// rows from 1 the saved ones. Every query reads the collection; nothing is copied.
class ArrangementListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ArrangementListModel(QObject *parent = nullptr);

    // Must be called before the model is queried.
    void setCollection(const std::shared_ptr<ArrangementsCollection> &collection);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    void saveCurrent();
    ArrangementState arrangement(int row) const;
    void setCurrentArrangement(const ArrangementState &arrangement);

private:
    std::shared_ptr<ArrangementsCollection> m_collection;
};
