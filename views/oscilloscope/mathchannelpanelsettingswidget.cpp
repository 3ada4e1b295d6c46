#include "views/oscilloscope/mathchannelpanelsettingswidget.h"

#include "ui/viewbase/panelteardown.h"
#include "ui_mathchannelpanelsettingswidget.h"

#include <QEvent>
#include <QKeyEvent>

namespace {

// A stored index the list does not hold leaves the list where it is, so that Apply never
// sends -1.
void selectIfPresent(QComboBox *box, int index)
{
    if (index >= 0 && index < box->count())
        box->setCurrentIndex(index);
}

} // namespace

QString mathChannelDescription(const DigitalOscilloscopeMathChannelParameters &parameters)
{
    static const char *const operators[] = {" + ", " - ", " * ", " / "};
    QString text;
    if (parameters.type >= 0 && parameters.type < 4) {
        text = QString::number(parameters.sourceA + 1) + QLatin1String(operators[parameters.type])
                + QString::number(parameters.sourceB + 1);
    }
    return QStringLiteral("  ") + text;
}

MathChannelPanelSettingsWidget::MathChannelPanelSettingsWidget(const QString &title,
                                                               QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::MathChannelPanelSettingsWidget>())
{
    m_parameters = DigitalOscilloscopeMathChannelParameters();
    ui->setupUi(this);
    setWindowTitle(title);
    connect(ui->acceptButton, &QPushButton::clicked, this, &MathChannelPanelSettingsWidget::accept);
}

MathChannelPanelSettingsWidget::~MathChannelPanelSettingsWidget()
{
    silenceForTeardown(this);
}

void MathChannelPanelSettingsWidget::accept()
{
    m_parameters.offset = ui->offsetDoubleSpinBox->value();
    m_parameters.type = ui->functionComboBox->currentIndex();
    m_parameters.sourceA = ui->sourceAComboBox->currentIndex();
    m_parameters.sourceB = ui->sourceBComboBox->currentIndex();
    emit mathChannelParametersChanged(m_parameters);
    updateDescription();
    hide();
}

void MathChannelPanelSettingsWidget::exec()
{
    show();
}

void MathChannelPanelSettingsWidget::setDefaultParameters(
        DigitalOscilloscopeMathChannelParameters parameters)
{
    m_parameters = parameters;
    selectIfPresent(ui->functionComboBox, parameters.type);
    selectIfPresent(ui->sourceAComboBox, parameters.sourceA);
    selectIfPresent(ui->sourceBComboBox, parameters.sourceB);
    ui->offsetDoubleSpinBox->setValue(parameters.offset);
    updateDescription();
}

void MathChannelPanelSettingsWidget::keyPressEvent(QKeyEvent *event)
{
    QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape)
        hide();
}

void MathChannelPanelSettingsWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        const QString title = windowTitle();
        ui->retranslateUi(this);
        setWindowTitle(title);
        // The lists are filled anew in the new language and start from their first entries;
        // the owner loads the record again before the next showing.
        ui->functionComboBox->setCurrentIndex(0);
        ui->sourceAComboBox->setCurrentIndex(0);
        ui->sourceBComboBox->setCurrentIndex(0);
    }
}

void MathChannelPanelSettingsWidget::updateDescription()
{
    emit channelDescriptionChanged(mathChannelDescription(m_parameters));
}
