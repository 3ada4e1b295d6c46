#pragma once

#include <QList>
#include <QRunnable>

// Initializes and self-tests the modules with the given ids one after another on one pool
// thread: the modules of one carrier share its session and must not be brought up at once.
class ModuleInitTask : public QRunnable
{
public:
    explicit ModuleInitTask(const QList<int> &ids);

    void run() override;
    bool asynchronous() const { return true; }

private:
    QList<int> m_ids;
};
