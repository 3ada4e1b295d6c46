#include "ui/pinnedviewminiaturebutton.h"

#include "ui/viewbase/viewinterface.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {
constexpr int textFlags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextWrapAnywhere;
constexpr int itemSpacing = 4;
const QColor outlineColor(QStringLiteral("#b0b0c0"));
} // namespace

PinnedViewMiniatureButton::PinnedViewMiniatureButton(const std::shared_ptr<ViewInterface> &view,
                                                     const QString &caption, QWidget *parent)
    : QToolButton(parent)
    , m_view(view)
    , m_caption(caption)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pixmapHeight = pinnedWidgetHintHeight();
}

PinnedViewMiniatureButton::~PinnedViewMiniatureButton() = default;

void PinnedViewMiniatureButton::setPinnedWidgetPixmapHeight(int height)
{
    m_pixmapHeight = height > 0 ? height : pinnedWidgetHintHeight();
    dropSizeHint();
}

void PinnedViewMiniatureButton::resetPinnedWidgetPixmapHeight()
{
    m_pixmapHeight = pinnedWidgetHintHeight();
    dropSizeHint();
}

void PinnedViewMiniatureButton::dropSizeHint()
{
    m_hintWidth = -1;
    m_hintHeight = -1;
    updateGeometry();
}

void PinnedViewMiniatureButton::changeEvent(QEvent *event)
{
    QToolButton::changeEvent(event);
    // The texts and the picture of the pinned widget take other sizes.
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LanguageChange:
        dropSizeHint();
        break;
    default:
        break;
    }
}

int PinnedViewMiniatureButton::pinnedWidgetPixmapHeight() const
{
    return m_pixmapHeight;
}

int PinnedViewMiniatureButton::pinnedWidgetHintHeight() const
{
    QWidget *pinned = m_view ? m_view->pinnedUserInterface() : nullptr;
    return pinned ? pinned->sizeHint().height() : 0;
}

QSize PinnedViewMiniatureButton::sizeHint() const
{
    if (m_hintWidth >= 0 && m_hintHeight >= 0)
        return QSize(m_hintWidth, m_hintHeight);

    ensurePolished();
    QWidget *pinned = m_view ? m_view->pinnedUserInterface() : nullptr;
    if (pinned) {
        style()->unpolish(pinned);
        style()->polish(pinned);
    }
    const QString name = m_view ? m_view->displayType() : QString();
    const int h1 = fontMetrics().size(Qt::TextShowMnemonic, name).height();
    const int h2 = fontMetrics().size(Qt::TextShowMnemonic, m_caption).height();
    const QSize content(pinned ? pinned->sizeHint().width() : 0, h1 + m_pixmapHeight + h2 + 16);

    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), content);
    const QSize size = style()->sizeFromContents(QStyle::CT_ToolButton, &option, content, this)
                               .expandedTo(QApplication::globalStrut());
    m_hintWidth = size.width();
    m_hintHeight = size.height();
    return size;
}

void PinnedViewMiniatureButton::paintEvent(QPaintEvent *event)
{
    QToolButton::paintEvent(event);
    if (!m_view)
        return;

    const QRect cr = contentsRect();
    QPixmap pixmap(qMax(1, cr.width() - 8), qMax(1, m_pixmapHeight));
    pixmap.fill(Qt::transparent);
    if (QWidget *pinned = m_view->pinnedUserInterface()) {
        pinned->resize(pixmap.size());
        pinned->render(&pixmap, QPoint(0, 0), QRegion(), QWidget::DrawChildren);
    }
    {
        QPainter outline(&pixmap);
        outline.setPen(outlineColor);
        outline.drawRoundedRect(QRect(0, 0, pixmap.width() - 1, pixmap.height() - 1), 2, 2,
                                Qt::AbsoluteSize);
    }

    QStylePainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect t = cr.adjusted(itemSpacing, itemSpacing, -itemSpacing, -itemSpacing);
    const QString name = m_view->displayType();
    const int h1 = fontMetrics().size(Qt::TextShowMnemonic, name).height();
    const int h2 = fontMetrics().size(Qt::TextShowMnemonic, m_caption).height();
    painter.drawItemText(t, textFlags, palette(), true, name);
    QRect pixmapRect(t.left(), t.top() + h1 + itemSpacing, t.width(), m_pixmapHeight);
    painter.drawItemPixmap(pixmapRect, textFlags, pixmap);
    const QRect captionRect(t.left(), pixmapRect.top() + m_pixmapHeight + itemSpacing, t.width(),
                            h2);
    painter.drawItemText(captionRect, textFlags, palette(), true, m_caption);
}
