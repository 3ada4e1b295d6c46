#include "ui/activeviewcollection.h"

#include "ui/viewbase/viewinterface.h"

#include <iterator>

ActiveViewCollection::ActiveViewCollection(unsigned limit, QObject *parent)
    : QObject(parent)
    , m_limit(limit)
{ }

ActiveViewCollection::~ActiveViewCollection() = default;

unsigned ActiveViewCollection::size() const
{
    return static_cast<unsigned>(m_views.size());
}

unsigned ActiveViewCollection::limit() const
{
    return m_limit;
}

std::shared_ptr<ViewInterface> ActiveViewCollection::at(unsigned index) const
{
    if (index >= size())
        return {};
    return std::next(m_views.begin(), index)->first;
}

bool ActiveViewCollection::exists(const std::shared_ptr<ViewInterface> &view) const
{
    return m_views.count(view) > 0;
}

std::shared_ptr<ViewInterface> ActiveViewCollection::getMaximizedView() const
{
    for (const auto &entry : m_views) {
        if (entry.second == ViewState::Maximized)
            return entry.first;
    }
    return {};
}

std::vector<std::shared_ptr<ViewInterface>> ActiveViewCollection::getPinnedViews() const
{
    std::vector<std::shared_ptr<ViewInterface>> pinned;
    for (const auto &entry : m_views) {
        if (entry.second == ViewState::Pinned)
            pinned.push_back(entry.first);
    }
    return pinned;
}

bool ActiveViewCollection::add(const std::shared_ptr<ViewInterface> &view)
{
    if (!view || exists(view) || size() >= m_limit)
        return false;
    m_views.emplace(view, ViewState::Pinned);
    return true;
}

bool ActiveViewCollection::remove(const std::shared_ptr<ViewInterface> &view)
{
    return m_views.erase(view) > 0;
}

void ActiveViewCollection::hide(const std::shared_ptr<ViewInterface> &view)
{
    if (!exists(view))
        return;
    // The handlers may drop the caller's last reference; the view lives through both signals.
    const std::shared_ptr<ViewInterface> keep = view;
    emit aboutToHide(keep);
    m_views.erase(keep);
    emit wasHidden(keep);
}

void ActiveViewCollection::pin(const std::shared_ptr<ViewInterface> &view)
{
    const auto found = m_views.find(view);
    if (found != m_views.end() && found->second == ViewState::Pinned)
        return;
    if (found == m_views.end() && !add(view))
        return;
    const std::shared_ptr<ViewInterface> keep = view;
    emit aboutToPin(keep);
    setState(keep, ViewState::Pinned);
    emit wasPinned(keep);
}

void ActiveViewCollection::maximize(const std::shared_ptr<ViewInterface> &view)
{
    if (!exists(view) && !add(view))
        return;
    const std::shared_ptr<ViewInterface> keep = view;
    std::vector<std::shared_ptr<ViewInterface>> maximized;
    for (const auto &entry : m_views) {
        if (entry.second == ViewState::Maximized)
            maximized.push_back(entry.first);
    }
    for (const auto &entry : maximized) {
        emit aboutToPin(entry);
        setState(entry, ViewState::Pinned);
        emit wasPinned(entry);
    }
    emit aboutToMaximize(keep);
    setState(keep, ViewState::Maximized);
    emit wasMaximized(keep);
}

void ActiveViewCollection::setState(const std::shared_ptr<ViewInterface> &view, ViewState state)
{
    // A handler of an earlier signal may have hidden the view; it must not come back.
    const auto found = m_views.find(view);
    if (found != m_views.end())
        found->second = state;
}
