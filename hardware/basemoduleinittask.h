#pragma once

#include <QRunnable>

class TavrinModule;

// Initializes and self-tests one carrier on a pool thread and puts the modules of its path
// into the not-initialized state, ready for their own task.
class BaseModuleInitTask : public QRunnable
{
public:
    explicit BaseModuleInitTask(TavrinModule *carrier);

    void run() override;

private:
    TavrinModule *m_carrier;
};
