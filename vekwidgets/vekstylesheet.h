#pragma once

#include "vekwidgets_export.h"

#include <QSharedPointer>
#include <QString>

class QWidget;
class VekPalette;

// An application style sheet in the kit's Material look for the standard Qt widgets.
VEKWIDGETS_EXPORT QString styleSheetFromPalette(const QSharedPointer<VekPalette> &palette);

// Gives the widget the kit's drop shadow, replacing any graphics effect it had.
VEKWIDGETS_EXPORT void addShadow(QWidget *widget);
