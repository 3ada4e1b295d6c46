#pragma once

#include <QObject>

#include <map>
#include <memory>
#include <vector>

class ViewInterface;

enum class ViewState : int { Maximized = 0, Pinned = 1 };

// The views on the workspace: at most limit() of them, one maximized at most, the rest
// pinned. Iteration follows the views' addresses, stable while they live.
class ActiveViewCollection : public QObject
{
    Q_OBJECT
public:
    explicit ActiveViewCollection(unsigned limit, QObject *parent = nullptr);
    ~ActiveViewCollection() override;

    unsigned size() const;
    unsigned limit() const;
    // Empty for an index not below size().
    std::shared_ptr<ViewInterface> at(unsigned index) const;
    bool exists(const std::shared_ptr<ViewInterface> &view) const;
    std::shared_ptr<ViewInterface> getMaximizedView() const;
    std::vector<std::shared_ptr<ViewInterface>> getPinnedViews() const;

    // Inserts as pinned without a signal; false for a null, present or surplus view.
    bool add(const std::shared_ptr<ViewInterface> &view);
    bool remove(const std::shared_ptr<ViewInterface> &view);

    void hide(const std::shared_ptr<ViewInterface> &view);
    void pin(const std::shared_ptr<ViewInterface> &view);
    void maximize(const std::shared_ptr<ViewInterface> &view);

signals:
    void aboutToHide(std::shared_ptr<ViewInterface> view);
    void wasHidden(std::shared_ptr<ViewInterface> view);
    void aboutToMaximize(std::shared_ptr<ViewInterface> view);
    void wasMaximized(std::shared_ptr<ViewInterface> view);
    void aboutToPin(std::shared_ptr<ViewInterface> view);
    void wasPinned(std::shared_ptr<ViewInterface> view);

private:
    void setState(const std::shared_ptr<ViewInterface> &view, ViewState state);

    const unsigned m_limit;
    std::map<std::shared_ptr<ViewInterface>, ViewState> m_views;
};
