#include "views/oscilloscope/cursors/cursorevaluationwidget.h"

#include "app/options.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QVariant>

namespace {

constexpr int squareSide = 5;
constexpr int valueLabelSide = 25;

} // namespace

CursorEvaluationWidget::CursorEvaluationWidget(QWidget *parent)
    : QFrame(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 0, 0, 0);
}

CursorEvaluationWidget::~CursorEvaluationWidget() = default;

void CursorEvaluationWidget::setEvaluationList(QStringList texts)
{
    m_texts = std::move(texts);
    if (m_texts.size() != m_valueLabels.size())
        recreatePanel();
    for (int i = 0; i < m_valueLabels.size() && i < m_texts.size(); ++i)
        m_valueLabels.at(i)->setText(m_texts.at(i));
}

void CursorEvaluationWidget::setSource(QVector<int> sources)
{
    m_sources = std::move(sources);
    recolour();
}

void CursorEvaluationWidget::setColorsDark(QStringList colors)
{
    m_colorsDark = std::move(colors);
}

void CursorEvaluationWidget::setColorsLight(QStringList colors)
{
    m_colorsLight = std::move(colors);
}

void CursorEvaluationWidget::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        recolour();
}

QPixmap CursorEvaluationWidget::squareOf(int source) const
{
    const QStringList &colors = load_from_cache().color_theme == 0 ? m_colorsDark : m_colorsLight;
    QPixmap square(squareSide, squareSide);
    if (source >= 0 && source < colors.size())
        square.fill(QColor(colors.at(source)));
    else
        square.fill(Qt::transparent);
    return square;
}

void CursorEvaluationWidget::recolour()
{
    if (m_colorLabels.size() != 2 || m_sources.size() != 2)
        return;
    for (int i = 0; i < 2; ++i) {
        const int source = m_sources.at(i);
        // The settings window sends -1 while its source lists are empty: that has no colour.
        if (source < 0 || source >= 3)
            continue;
        m_colorLabels.at(i)->setPixmap(squareOf(source));
    }
}

void CursorEvaluationWidget::recreatePanel()
{
    auto *grid = qobject_cast<QGridLayout *>(layout());
    if (!grid)
        return;
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            QLayoutItem *item = grid->itemAtPosition(row, column);
            if (!item || !item->widget())
                continue;
            QWidget *widget = item->widget();
            grid->removeWidget(widget);
            widget->hide();
            widget->deleteLater();
        }
    }
    // The square that had no cell (one text only) is in no cell either.
    for (QLabel *label : qAsConst(m_colorLabels)) {
        if (label && grid->indexOf(label) < 0)
            label->deleteLater();
    }
    grid->setSizeConstraint(QLayout::SetFixedSize);

    const int count = m_texts.size();
    m_valueLabels = QVector<QLabel *>(count, nullptr);
    m_colorLabels = QVector<QLabel *>(2, nullptr);
    for (int i = 0; i < 2; ++i) {
        auto *square = new QLabel(this);
        square->setPixmap(squareOf(m_sources.value(i, -1)));
        // Only placed squares are shown; an unplaced child would sit in the corner.
        square->hide();
        m_colorLabels[i] = square;
    }
    for (int i = 0; i < count; ++i) {
        auto *label = new QLabel(this);
        label->setMinimumSize(valueLabelSide, valueLabelSide);
        m_valueLabels[i] = label;
        if (i < 2) {
            grid->addWidget(m_colorLabels.at(i), i, 0);
            m_colorLabels.at(i)->show();
        }
        grid->addWidget(label, i % 2, 2 * (i / 2) + 1);
        if (i % 2 == 0 && i < count - 2) {
            auto *line = new QFrame(this);
            line->setFrameShape(QFrame::VLine);
            line->setProperty("line", true);
            line->setMaximumWidth(1);
            line->style()->unpolish(line);
            line->style()->polish(line);
            grid->addWidget(line, 0, 2 * (i / 2) + 2, 2, 1);
        }
    }
}
