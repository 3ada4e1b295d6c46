#pragma once

#include <QScrollArea>

#include <vector>

class MeasurementsButton;
class QGridLayout;

// The views show their measurement buttons in pairs, one above the other, as many pairs side
// by side as the strip's width holds; the pairs past the last column go on below, as text
// wraps to a new line. The strip asks for the height of all its rows; where the view cannot
// give it that height it scrolls, so that every chosen measurement can be brought into view.
class MeasurementsStrip : public QScrollArea
{
    Q_OBJECT
public:
    static constexpr int rows = 2;

    // Takes the place of grid, a widget laid out by a QGridLayout, in the layout around it.
    explicit MeasurementsStrip(QWidget *grid);
    ~MeasurementsStrip() override;

    // The buttons, in their order, already in the grid's layout: the strip places them.
    void setButtons(const std::vector<MeasurementsButton *> &buttons);
    int columns() const { return m_columns; }

    QSize sizeHint() const override;
    // One pair of rows: below that the strip would show no whole button.
    QSize minimumSizeHint() const override;

    // The most columns, at most one per pair, that buttons of these widths fit into room with.
    static int columnsToFit(const std::vector<int> &widths, int spacing, int room);
    // Puts the buttons into the grid pair by pair, in that many columns.
    static void place(QGridLayout *grid, const std::vector<MeasurementsButton *> &buttons,
                      int columns);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QGridLayout *gridLayout() const;
    void fit();

    std::vector<MeasurementsButton *> m_buttons;
    int m_columns = 0;
};
