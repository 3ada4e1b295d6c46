#include "ui/initializationtoolbarwidget.h"

#include "ui_initializationtoolbarwidget.h"

#include <QEvent>

InitializationToolBarWidget::InitializationToolBarWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::InitializationToolBarWidget)
{
    ui->setupUi(this);
    ui->caption->setText(tr("Hardware initialization"));
}

InitializationToolBarWidget::~InitializationToolBarWidget()
{
    delete ui;
}

void InitializationToolBarWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->caption->setText(tr("Hardware initialization"));
}
