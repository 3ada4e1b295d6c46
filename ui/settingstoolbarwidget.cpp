#include "ui/settingstoolbarwidget.h"

#include "ui_settingstoolbarwidget.h"

#include <QEvent>

SettingsToolBarWidget::SettingsToolBarWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::SettingsToolBarWidget)
{
    m_ui->setupUi(this);
    connect(m_ui->backButton, &QPushButton::clicked, this, &SettingsToolBarWidget::finished);
}

SettingsToolBarWidget::~SettingsToolBarWidget()
{
    delete m_ui;
}

void SettingsToolBarWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The glyph of the back button is no text of any language and stays as it is.
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
}
