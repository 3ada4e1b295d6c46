#pragma once

#include "app/arrangementstate.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QSettings;

// The current workspace layout (index 0, "Last used arrangement") and the named saved ones
// (indices 1 and up). Only a real change of the current layout is announced, so the
// workspace is rebuilt only when there is something new to show.
class ArrangementsCollection : public QObject
{
    Q_OBJECT
public:
    // Owned through a shared pointer by the options record, never by a Qt parent.
    explicit ArrangementsCollection(QObject *parent = nullptr);

    ArrangementState currentArrangement() const;
    void setCurrentArrangement(const ArrangementState &arrangement);

    int count() const;
    // An index outside 0 to count() - 1 gives an empty arrangement and an empty name.
    const ArrangementState &arrangement(int index) const;
    QString name(int index) const;

    bool setName(int index, const QString &name);
    void saveCurrent();
    bool remove(int index);
    void clear();

    void store(const std::shared_ptr<QSettings> &settings) const;
    void restore(const std::shared_ptr<QSettings> &settings);

signals:
    void currentArrangementChanged(const ArrangementState &arrangement);

private:
    bool isSavedIndex(int index) const;

    ArrangementState m_current;
    QList<ArrangementState> m_saved;
    QList<QString> m_names;
};
