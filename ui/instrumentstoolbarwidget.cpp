#include "ui/instrumentstoolbarwidget.h"

#include "ui_instrumentstoolbarwidget.h"

#include <QEvent>

InstrumentsToolBarWidget::InstrumentsToolBarWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::InstrumentsToolBarWidget)
{
    m_ui->setupUi(this);
    m_ui->pinButton->setEnabled(false);
    enableSave(false);

    connect(m_ui->settingsButton, &QPushButton::clicked, this,
            &InstrumentsToolBarWidget::applicationSettingsRequested);
    connect(m_ui->pinButton, &QPushButton::clicked, this, &InstrumentsToolBarWidget::pinRequested);
    connect(m_ui->pictureButton, &QPushButton::clicked, this,
            &InstrumentsToolBarWidget::pictureRequested);
    connect(m_ui->dataButton, &QPushButton::clicked, this,
            &InstrumentsToolBarWidget::dataExportRequested);
}

InstrumentsToolBarWidget::~InstrumentsToolBarWidget()
{
    delete m_ui;
}

void InstrumentsToolBarWidget::enablePin(bool enabled)
{
    m_ui->pinButton->setEnabled(enabled);
}

void InstrumentsToolBarWidget::enableSave(bool enabled)
{
    m_ui->pictureButton->setVisible(enabled);
    m_ui->dataButton->setVisible(enabled);
}

void InstrumentsToolBarWidget::setCaption(const QString &name)
{
    m_viewName = name;
    if (name.isEmpty())
        m_ui->caption->setText(tr("Pralune - Instrument selection"));
    else
        m_ui->caption->setText(tr("Pralune") + QStringLiteral(" - %1").arg(name));
}

void InstrumentsToolBarWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    m_ui->retranslateUi(this);
    // The form's caption is a bare program name; the current view's belongs on top of it.
    if (m_viewName)
        setCaption(*m_viewName);
}
