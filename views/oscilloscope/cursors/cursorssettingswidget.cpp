#include "views/oscilloscope/cursors/cursorssettingswidget.h"

#include "ui/viewbase/panelteardown.h"

#include "ui_cursorssettingswidget.h"

#include <QEvent>
#include <QKeyEvent>

CursorsSettingsWidget::CursorsSettingsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::CursorsSettingsWidget>())
{
    ui->setupUi(this);
    connect(ui->acceptButton, &QPushButton::clicked, this, &CursorsSettingsWidget::accept);
    connect(ui->typeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CursorsSettingsWidget::typeChanged);
    // "Disabled" is selected from the start, so the source lists start disabled too.
    typeChanged(ui->typeComboBox->currentIndex());
}

CursorsSettingsWidget::~CursorsSettingsWidget()
{
    silenceForTeardown(this);
}

void CursorsSettingsWidget::accept()
{
    CursorsSettings settings;
    settings.type = ui->typeComboBox->currentIndex();
    settings.source1 = ui->source1ComboBox->currentIndex();
    settings.source2 = ui->source2ComboBox->currentIndex();
    emit cursorsSettingsChanged(settings);
    hide();
}

void CursorsSettingsWidget::exec()
{
    show();
}

void CursorsSettingsWidget::setDefaultSettings(CursorsSettings settings)
{
    ui->typeComboBox->setCurrentIndex(settings.type);
    ui->source1ComboBox->setCurrentIndex(settings.source1);
    ui->source2ComboBox->setCurrentIndex(settings.source2);
}

void CursorsSettingsWidget::setSources(QStringList sources)
{
    ui->source1ComboBox->clear();
    ui->source1ComboBox->addItems(sources);
    ui->source2ComboBox->clear();
    ui->source2ComboBox->addItems(sources);
}

void CursorsSettingsWidget::keyPressEvent(QKeyEvent *event)
{
    QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape)
        hide();
}

void CursorsSettingsWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The type list is filled anew and falls back to "Disabled" until the owner loads the
    // settings before the next opening.
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        QStringList types;
        for (int i = 0; i < ui->typeComboBox->count(); ++i)
            types << ui->typeComboBox->itemText(i);
        ui->typeComboBox->clear();
        ui->typeComboBox->insertItems(0, types);
    }
}

void CursorsSettingsWidget::typeChanged(int index)
{
    const bool enabled = index != 0;
    ui->source1ComboBox->setEnabled(enabled);
    ui->source2ComboBox->setEnabled(enabled);
}
