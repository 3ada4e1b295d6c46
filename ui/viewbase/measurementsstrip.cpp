#include "ui/viewbase/measurementsstrip.h"

#include "ui/viewbase/measurementsbutton.h"

#include <QGridLayout>

#include <algorithm>

namespace MeasurementsStrip {

int columnsToFit(const std::vector<int> &widths, int spacing, int room)
{
    const int pairs = (int(widths.size()) + rows - 1) / rows;
    for (int columns = pairs; columns > 1; --columns) {
        std::vector<int> column(std::size_t(columns), 0);
        for (std::size_t n = 0; n < widths.size(); ++n) {
            int &width = column[std::size_t(int(n) / rows % columns)];
            width = std::max(width, widths[n]);
        }
        int total = spacing * (columns - 1);
        for (int width : column)
            total += width;
        if (total <= room)
            return columns;
    }
    return 1;
}

void place(QGridLayout *grid, const std::vector<MeasurementsButton *> &buttons, int columns)
{
    for (MeasurementsButton *button : buttons)
        grid->removeWidget(button);
    for (int n = 0; n < int(buttons.size()); ++n) {
        const int pair = n / rows;
        grid->addWidget(buttons[std::size_t(n)], n % rows + pair / columns * rows, pair % columns);
    }
}

int fit(QGridLayout *grid, const std::vector<MeasurementsButton *> &buttons, int room, int columns)
{
    std::vector<int> widths;
    widths.reserve(buttons.size());
    for (MeasurementsButton *button : buttons)
        widths.push_back(button->sizeHint().width());
    const int fitting = columnsToFit(widths, grid->horizontalSpacing(), room);
    if (fitting != columns)
        place(grid, buttons, fitting);
    return fitting;
}

} // namespace MeasurementsStrip
