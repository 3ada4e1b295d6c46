#pragma once

#include <vector>

class MeasurementsButton;
class QGridLayout;

// The views show their measurement buttons in pairs, one above the other, as many pairs side
// by side as the strip's width holds; the pairs past the last column go on below, as text
// wraps to a new line, so that every chosen measurement stays whole on screen.
namespace MeasurementsStrip {

constexpr int rows = 2;

// The most columns, at most one per pair, that buttons of these widths fit into room with.
int columnsToFit(const std::vector<int> &widths, int spacing, int room);

// Puts the buttons into the grid pair by pair, in that many columns.
void place(QGridLayout *grid, const std::vector<MeasurementsButton *> &buttons, int columns);

// Lays the buttons out for room when the columns that fit it differ from columns; returns the
// columns they then stand in.
int fit(QGridLayout *grid, const std::vector<MeasurementsButton *> &buttons, int room, int columns);

} // namespace MeasurementsStrip
