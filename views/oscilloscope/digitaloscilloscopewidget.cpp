#include "views/oscilloscope/digitaloscilloscopewidget.h"
#include "ui_digitaloscilloscopewidget.h"

#include <QEvent>

DigitalOscilloscopeWidget::DigitalOscilloscopeWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DigitalOscilloscopeWidget>())
{
    ui->setupUi(this);
}

DigitalOscilloscopeWidget::~DigitalOscilloscopeWidget() = default;

void DigitalOscilloscopeWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
