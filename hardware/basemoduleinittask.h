#pragma once

#include <QRunnable>

class TavrinModule;

// Initializes and self-tests one carrier on a pool thread, then puts the modules on it into
// state 1 so that their own tasks take them on, whether the carrier succeeded or not.
class BaseModuleInitTask : public QRunnable
{
public:
    explicit BaseModuleInitTask(TavrinModule *carrier);

    void run() override;

private:
    TavrinModule *m_carrier;
};
