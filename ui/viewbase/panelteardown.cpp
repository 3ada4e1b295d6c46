#include "ui/viewbase/panelteardown.h"

#include <QWidget>

void silenceForTeardown(QWidget *panel)
{
    const QList<QWidget *> children = panel->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->blockSignals(true);
}
