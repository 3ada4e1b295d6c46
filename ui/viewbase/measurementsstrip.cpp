#include "ui/viewbase/measurementsstrip.h"

#include "ui/viewbase/measurementsbutton.h"

#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace {

// The strip's hints follow its buttons' at once, not only when the posted layout request
// comes: a picture of the view taken in between has its final layout.
class StripGridLayout : public QGridLayout
{
public:
    StripGridLayout(QWidget *grid, MeasurementsStrip *strip)
        : QGridLayout(grid)
        , m_strip(strip)
    { }
    void invalidate() override
    {
        QGridLayout::invalidate();
        if (m_strip)
            m_strip->updateGeometry();
    }
    // The strip goes before its buttons, which still change the layout as they go.
    void forgetStrip() { m_strip = nullptr; }

private:
    MeasurementsStrip *m_strip;
};

} // namespace

MeasurementsStrip::MeasurementsStrip(QWidget *grid)
    : QScrollArea(grid->parentWidget())
{
    setObjectName(QStringLiteral("measurementsStrip"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // All the width the view gives, but never more height than the rows need.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    if (QWidget *around = grid->parentWidget(); around && around->layout())
        delete around->layout()->replaceWidget(grid, this);
    setWidgetResizable(true);
    setWidget(grid);
    // The view's background shows through, whatever sheet or palette reaches the strip.
    viewport()->setAutoFillBackground(false);
    grid->setAutoFillBackground(false);
    grid->installEventFilter(this);
    // The form's layout gives its spacing and name to the strip's own, which takes its place.
    std::unique_ptr<QLayout> formLayout(grid->layout());
    auto *layout = new StripGridLayout(nullptr, this);
    if (formLayout) {
        layout->setObjectName(formLayout->objectName());
        layout->setSpacing(formLayout->spacing());
        layout->setContentsMargins(formLayout->contentsMargins());
    }
    formLayout.reset();
    grid->setLayout(layout);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

MeasurementsStrip::~MeasurementsStrip()
{
    if (auto *layout = widget() ? dynamic_cast<StripGridLayout *>(widget()->layout()) : nullptr)
        layout->forgetStrip();
}

void MeasurementsStrip::setButtons(const std::vector<MeasurementsButton *> &buttons)
{
    m_buttons = buttons;
    m_columns = int(m_buttons.size() + rows - 1) / rows;
    if (QGridLayout *layout = gridLayout())
        place(layout, m_buttons, std::max(m_columns, 1));
    fit();
    updateGeometry();
}

QSize MeasurementsStrip::sizeHint() const
{
    if (!widget())
        return QScrollArea::sizeHint();
    const QSize content = widget()->minimumSizeHint().expandedTo(widget()->sizeHint());
    int width = content.width() + 2 * frameWidth();
    int height = content.height() + 2 * frameWidth();
    // Wider than the strip: the bar below takes height of its own.
    if (horizontalScrollBar()->isVisible())
        height += horizontalScrollBar()->sizeHint().height();
    return QSize(width, height);
}

QSize MeasurementsStrip::minimumSizeHint() const
{
    int pair = 0;
    for (std::size_t n = 0; n < m_buttons.size() && n < std::size_t(rows); ++n)
        pair += m_buttons[n]->sizeHint().height();
    if (QGridLayout *layout = gridLayout())
        pair += layout->verticalSpacing() * (std::min<int>(int(m_buttons.size()), rows) - 1);
    const int bar = horizontalScrollBar()->sizeHint().height();
    return QSize(verticalScrollBar()->sizeHint().width() + 2 * frameWidth(),
                 std::max(pair, 0) + 2 * frameWidth()
                         + (horizontalScrollBar()->isVisible() ? bar : 0));
}

int MeasurementsStrip::columnsToFit(const std::vector<int> &widths, int spacing, int room)
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

void MeasurementsStrip::place(QGridLayout *grid, const std::vector<MeasurementsButton *> &buttons,
                              int columns)
{
    for (MeasurementsButton *button : buttons)
        grid->removeWidget(button);
    for (int n = 0; n < int(buttons.size()); ++n) {
        const int pair = n / rows;
        grid->addWidget(buttons[std::size_t(n)], n % rows + pair / columns * rows, pair % columns);
    }
}

bool MeasurementsStrip::eventFilter(QObject *watched, QEvent *event)
{
    const bool handled = QScrollArea::eventFilter(watched, event);
    // A button's width hint changed (another font, unit or language): the columns may differ.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        fit();
        updateGeometry();
    }
    return handled;
}

void MeasurementsStrip::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    fit();
}

QGridLayout *MeasurementsStrip::gridLayout() const
{
    return widget() ? qobject_cast<QGridLayout *>(widget()->layout()) : nullptr;
}

void MeasurementsStrip::fit()
{
    QGridLayout *layout = gridLayout();
    // Until the strip is shown its width means nothing, and the buttons keep their two rows.
    // A picture of a hidden view marks it visible for a moment: the window tells.
    if (!layout || m_buttons.empty() || !window()->isVisible() || !isVisible())
        return;
    std::vector<int> widths;
    widths.reserve(m_buttons.size());
    for (MeasurementsButton *button : m_buttons)
        widths.push_back(button->sizeHint().width());
    const int room = viewport()->width();
    const int fitting = columnsToFit(widths, layout->horizontalSpacing(), room);
    if (fitting == m_columns)
        return;
    m_columns = fitting;
    place(layout, m_buttons, fitting);
    updateGeometry();
}
