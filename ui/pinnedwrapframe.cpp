#include "ui/pinnedwrapframe.h"

#include "ui/viewbase/commonfunctions.h"
#include "ui/viewselectionwidget.h"

#include "ui_pinnedwrapframe.h"

#include <QEvent>
#include <QFontMetrics>

namespace {
const QString errorStyleSheet =
        QStringLiteral("QWidget{border: none; background-color: #F44336; text-align: left;}");
}

PinnedWrapFrame::PinnedWrapFrame(QWidget *content, const QString &description, QWidget *parent)
    : QFrame(parent)
    , m_description(description)
    , m_ui(new Ui::PinnedWrapFrame)
{
    // Building the form sets a style sheet, whose style change arrives before the buttons
    // exist; setButtonsIcons must see them as missing.
    m_ui->hideButton = nullptr;
    m_ui->maximaizeButton = nullptr;
    m_ui->descriptionPushButton = nullptr;
    m_ui->setupUi(this);

    if (content)
        m_ui->pinnedContentWidget->layout()->addWidget(content);
    m_ui->pinnedContentWidget->setMinimumHeight(ViewSelectionWidget::maxPinnedWidgetHeight);

    m_ui->descriptionPushButton->setToolTip(m_description);
    m_ui->descriptionPushButton->setText(
            elidedDescription(content ? content->sizeHint().width() : width()));

    setButtonsIcons();
    if (content)
        content->show();
    createLinks();
}

PinnedWrapFrame::~PinnedWrapFrame()
{
    delete m_ui;
}

int PinnedWrapFrame::stickDirection() const
{
    return m_stickDirection;
}

void PinnedWrapFrame::setSticky(int direction)
{
    m_stickDirection = direction;
}

void PinnedWrapFrame::setErrorState()
{
    setEnabled(false);
    setStyleSheet(errorStyleSheet);
}

QString PinnedWrapFrame::elidedDescription(int width) const
{
    if (m_description.isEmpty())
        return QString();
    const QString firstLine = m_description.section(QLatin1Char('\n'), 0, 0);
    return fontMetrics().elidedText(firstLine, Qt::ElideRight, width);
}

void PinnedWrapFrame::setButtonsIcons()
{
    const QString theme = currentThemeFolderName();
    if (m_ui->hideButton)
        m_ui->hideButton->setIcon(createThemeIcon(theme, QStringLiteral("control/close.svg")));
    if (m_ui->maximaizeButton)
        m_ui->maximaizeButton->setIcon(
                createThemeIcon(theme, QStringLiteral("control/fullscreen.svg")));
}

void PinnedWrapFrame::createLinks()
{
    connect(m_ui->hideButton, &QPushButton::clicked, [this] { emit hideClicked(); });
    connect(m_ui->maximaizeButton, &QPushButton::clicked, [this] { emit maximizeClicked(); });
    connect(m_ui->descriptionPushButton, &QPushButton::clicked, [this] { emit maximizeClicked(); });
}

void PinnedWrapFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (m_ui->descriptionPushButton)
        m_ui->descriptionPushButton->setText(elidedDescription(width()));
}

void PinnedWrapFrame::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_ui->descriptionPushButton) {
        const QString caption = m_ui->descriptionPushButton->text();
        m_ui->retranslateUi(this);
        m_ui->descriptionPushButton->setText(caption);
    } else if (event->type() == QEvent::StyleChange) {
        setButtonsIcons();
    }
}
