#pragma once

#include "ui/viewbase/identifier.h"

#include <QObject>

#include <memory>
#include <vector>

class ViewInterface;

// Views in the order they were added, each once, each under an id no other member holds.
class ViewCollection : public QObject
{
    Q_OBJECT
public:
    using Views = std::vector<std::shared_ptr<ViewInterface>>;

    explicit ViewCollection(QObject *parent = nullptr);
    ~ViewCollection() override;

    unsigned size() const;
    Views::iterator begin() { return m_views.begin(); }
    Views::iterator end() { return m_views.end(); }
    Views::const_iterator begin() const { return m_views.begin(); }
    Views::const_iterator end() const { return m_views.end(); }

    // Empty for an index not below size() or an id no member has.
    std::shared_ptr<ViewInterface> operator[](unsigned index) const;
    std::shared_ptr<ViewInterface> operator[](ViewId id) const;

    // The smallest positive id no member holds, so freed ids are reused first.
    ViewId makeUniqueId() const;

    void add(const std::shared_ptr<ViewInterface> &view);
    void remove(const std::shared_ptr<ViewInterface> &view);

signals:
    void aboutToAdd(std::shared_ptr<ViewInterface> view);
    void added(std::shared_ptr<ViewInterface> view);
    void aboutToRemove(std::shared_ptr<ViewInterface> view);
    void removed(std::shared_ptr<ViewInterface> view);

private:
    bool contains(const std::shared_ptr<ViewInterface> &view) const;
    bool idTaken(ViewId id, const ViewInterface *except) const;

    Views m_views;
};
