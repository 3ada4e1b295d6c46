#include "views/oscilloscope/digitaloscilloscopesettingswidget.h"
#include "ui_digitaloscilloscopesettingswidget.h"

#include "ui/viewbase/panelteardown.h"
#include "views/oscilloscope/digitaloscilloscopesettings.h"

#include <QEvent>

struct DigitalOscilloscopeSettingsWidget::Internal
{
    std::weak_ptr<DigitalOscilloscopeSettings> settings;
};

namespace {

// The count padded to eight columns, so that the word starts in the same column in every item.
QString pointCountText(uint64_t count, const QString &points)
{
    return QString::number(count).leftJustified(8, QLatin1Char(' ')) + points;
}

} // namespace

DigitalOscilloscopeSettingsWidget::DigitalOscilloscopeSettingsWidget(
        const std::shared_ptr<DigitalOscilloscopeSettings> &settings, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DigitalOscilloscopeSettingsWidget)
    , d(std::make_shared<Internal>())
{
    ui->setupUi(this);
    d->settings = settings;
    if (!settings)
        return;
    for (uint64_t count : settings->defaultPointCountValues())
        ui->pointsCountComboBox->addItem(pointCountText(count, tr("points")));
    // Selected before the connection, so that building the page never changes the settings.
    ui->pointsCountComboBox->setCurrentIndex(settings->pointCountIndex());
    connect(ui->pointsCountComboBox, qOverload<int>(&QComboBox::currentIndexChanged),
            settings.get(), &DigitalOscilloscopeSettings::setPointCountIndex);
}

DigitalOscilloscopeSettingsWidget::~DigitalOscilloscopeSettingsWidget()
{
    silenceForTeardown(this);
    if (const auto settings = d->settings.lock())
        settings->store();
    delete ui;
}

void DigitalOscilloscopeSettingsWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The items keep the language they were built in.
        setWindowTitle(QString());
        ui->Caption->setText(tr("Digital Oscilloscope"));
        ui->label->setText(tr("Read point limit"));
    }
}

void DigitalOscilloscopeSettingsWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
}

void DigitalOscilloscopeSettingsWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
}
