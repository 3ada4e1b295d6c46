#pragma once

#include "vekwidgets_export.h"

class QComboBox;

// The least width at which a combo box shows each of its entries whole beside its arrow, in
// the font and style it has now: its widest entry and the room the style keeps around the
// text. A box's own size hint leaves less under a style sheet that draws the arrow inside the
// padding, so a box whose entries must stay whole takes this width, and again when its
// entries, font or style change.
VEKWIDGETS_EXPORT int comboBoxWidthForEntries(const QComboBox *box);
