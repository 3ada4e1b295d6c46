#pragma once

#include <QList>
#include <QRunnable>

// Initializes and self-tests modules one after another on a pool thread: the modules of one
// carrier share its session, so they must not be initialized in parallel.
class ModuleInitTask : public QRunnable
{
public:
    explicit ModuleInitTask(const QList<int> &moduleIds);

    bool asynchronous() const { return true; }

    void run() override;

private:
    QList<int> m_moduleIds;
};
