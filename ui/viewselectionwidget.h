#pragma once

#include "resources/resourcecreator.h"
#include "ui/viewcollection.h"
#include "ui/viewfactory.h"

#include <QList>
#include <QWidget>

#include <memory>

class PinnedViewMiniatureButton;
class QSignalMapper;
class ResourceInterface;
class ViewInterface;

// Offers every instrument that can be opened now: one miniature card per resource that the
// free modules allow, each with its own view.
class ViewSelectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ViewSelectionWidget(QWidget *parent = nullptr);
    ~ViewSelectionWidget() override;

    // The tallest pinned widget seen so far in the process; it never shrinks, so pinned
    // frames keep one common height while views come and go.
    static int maxPinnedWidgetHeight;

    void populate();
    void addAvailable();
    // A view back from the workspace: its resource is released and the list rebuilt.
    void add(const std::shared_ptr<ViewInterface> &view);
    // After a selection: drops every candidate whose modules are no longer free.
    void remove(const std::shared_ptr<ViewInterface> &view);
    void removeUnavailable();
    void clear();
    int count() const;
    bool hasView(const std::shared_ptr<ViewInterface> &view) const;

signals:
    void selected(std::shared_ptr<ViewInterface> view);

public slots:
    void onSelected(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    bool createView(const QString &type);
    void addViewToLayout(unsigned index);
    void removeView(int index);
    void clearLayout(int from);
    void resetMappings();
    void clearCollection();
    void createLinks();
    void updateButtonsHeight();

    QSignalMapper *m_mapper;
    ViewFactory m_factory;
    ResourceCreator m_creator;
    ViewCollection m_views;
    QList<std::shared_ptr<ResourceInterface>> m_resources;
    QList<PinnedViewMiniatureButton *> m_buttons;
};
