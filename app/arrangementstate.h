#pragma once

#include <QMetaType>
#include <QString>

#include <memory>

class QSettings;

// One saved layout of the workspace: per active view its resource's type and unique id,
// whether it was the maximized one, and a label made of its modules' model names.
class ArrangementState
{
public:
    ArrangementState();
    ArrangementState(const ArrangementState &other);
    ArrangementState(ArrangementState &&other) noexcept;
    ArrangementState &operator=(const ArrangementState &other);
    ArrangementState &operator=(ArrangementState &&other) noexcept;
    ~ArrangementState();

    bool isValid() const;
    int count() const;

    // An index outside 0 to count() - 1 gives an empty text or false.
    QString type(int index) const;
    QString uniqueId(int index) const;
    bool isMaximized(int index) const;
    QString name(int index) const;

    void addResourceInformation(const QString &type, const QString &uniqueId, bool isMaximized,
                                const QString &name);
    void clear();

    bool operator==(const ArrangementState &other) const;
    bool operator!=(const ArrangementState &other) const { return !(*this == other); }

    // Both work at the settings object's current group.
    void store(const std::shared_ptr<QSettings> &settings) const;
    void restore(const std::shared_ptr<QSettings> &settings);

private:
    struct Internal;
    std::unique_ptr<Internal> m_d;
};

Q_DECLARE_METATYPE(ArrangementState)
