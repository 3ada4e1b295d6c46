#pragma once

#include <QList>
#include <QObject>
#include <QString>

class ModuleInterface;

// Owns every module object of the process (carriers excepted: the hardware object keeps
// those); views and resources address the modules by id or unique name.
//
// Only the GUI thread adds and removes; the initialization tasks read it from pool threads
// meanwhile, which is safe because the list does not change while they run.
class ModuleCollection : public QObject
{
    Q_OBJECT
public:
    static ModuleCollection &instance();

    explicit ModuleCollection(QObject *parent = nullptr);
    ~ModuleCollection() override;

    int count() const;
    ModuleInterface *byOrder(int index) const;      // nullptr when out of range
    ModuleInterface *byId(int id) const;            // nullptr when unknown
    ModuleInterface *byName(const QString &name) const; // nullptr when unknown

    QString makeUniqueName(ModuleInterface *module) const;
    int makeUniqueId(ModuleInterface *module) const;

    void add(ModuleInterface *module);
    void add(const QList<ModuleInterface *> &modules);
    void remove(ModuleInterface *module);
    void remove(const QList<ModuleInterface *> &modules);
    void reset();

    // These set the state silently: the callers announce the change themselves when needed.
    void setState(ModuleInterface *module, int state);
    void setState(const QString &name, int state);
    void setStateByPath(const QString &path, const QString &base, int state);

signals:
    void added(const QList<int> &ids);
    void aboutToRemove(const QList<int> &ids);
    void removed(const QList<int> &ids);

private:
    bool hasName(const QString &name) const;
    bool hasId(int id) const;

    QList<ModuleInterface *> m_modules;
};
