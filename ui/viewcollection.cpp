#include "ui/viewcollection.h"

#include "ui/viewbase/viewinterface.h"

#include <algorithm>

ViewCollection::ViewCollection(QObject *parent)
    : QObject(parent)
{ }

ViewCollection::~ViewCollection() = default;

unsigned ViewCollection::size() const
{
    return static_cast<unsigned>(m_views.size());
}

std::shared_ptr<ViewInterface> ViewCollection::operator[](unsigned index) const
{
    if (index >= size())
        return {};
    return m_views[index];
}

std::shared_ptr<ViewInterface> ViewCollection::operator[](ViewId id) const
{
    for (const auto &view : m_views) {
        if (view->id() == id)
            return view;
    }
    return {};
}

ViewId ViewCollection::makeUniqueId() const
{
    int candidate = 1;
    while (idTaken(ViewId(candidate), nullptr))
        ++candidate;
    return ViewId(candidate);
}

void ViewCollection::add(const std::shared_ptr<ViewInterface> &view)
{
    if (!view || contains(view))
        return;
    if (!view->id().isValid() || idTaken(view->id(), view.get()))
        view->setId(makeUniqueId());
    emit aboutToAdd(view);
    m_views.push_back(view);
    emit added(view);
}

void ViewCollection::remove(const std::shared_ptr<ViewInterface> &view)
{
    if (!view || !contains(view))
        return;
    // Keeps the view alive through both signals even if the vector held the last reference.
    const std::shared_ptr<ViewInterface> keep = view;
    emit aboutToRemove(keep);
    m_views.erase(std::find(m_views.begin(), m_views.end(), keep));
    emit removed(keep);
}

bool ViewCollection::contains(const std::shared_ptr<ViewInterface> &view) const
{
    return std::find(m_views.begin(), m_views.end(), view) != m_views.end();
}

bool ViewCollection::idTaken(ViewId id, const ViewInterface *except) const
{
    return std::any_of(m_views.begin(), m_views.end(),
                       [&](const auto &view) { return view.get() != except && view->id() == id; });
}
