#include "views/oscilloscope/channelpanelsettingswidget.h"
#include "ui_channelpanelsettingswidget.h"

#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/panelteardown.h"

#include <QEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {

// Above this range index the inputs only take 1 MΩ.
constexpr int lastLowImpedanceRange = 6;

DigitalOscilloscopeChannelParameters initialParameters()
{
    DigitalOscilloscopeChannelParameters parameters;
    parameters.channel = 0;
    parameters.state = 1;
    parameters.range = 6;
    parameters.filter = 0;
    parameters.impedance = true;
    parameters.offset = 0.0;
    parameters.coupling = false;
    return parameters;
}

} // namespace

ChannelPanelSettingsWidget::ChannelPanelSettingsWidget(const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , ui(std::make_unique<Ui::ChannelPanelSettingsWidget>())
    , m_title(title)
    , m_parameters(initialParameters())
{
    ui->setupUi(this);
    setWindowTitle(title);
    makeConnections();
    applyThemeIcons();
}

ChannelPanelSettingsWidget::~ChannelPanelSettingsWidget()
{
    silenceForTeardown(this);
}

void ChannelPanelSettingsWidget::makeConnections()
{
    connect(ui->acceptButton, &QPushButton::clicked, this, &ChannelPanelSettingsWidget::accept);
    connect(ui->rangeIncreaseButton, &QToolButton::clicked, this, [this] { stepRange(1); });
    connect(ui->rangeDecreaseButton, &QToolButton::clicked, this, [this] { stepRange(-1); });
}

void ChannelPanelSettingsWidget::accept()
{
    m_parameters.coupling = ui->couplingDoubleSwitch->checked();
    m_parameters.offset = ui->offsetDoubleSpinBox->value();
    m_parameters.impedance = ui->impedanceDoubleSwitch->checked();
    const int filter = ui->bandwithComboBox->currentIndex();
    if (filter >= 0 && filter < int(m_filters.size()))
        m_parameters.filter = int(m_filters[filter].first);
    emit channelParametersChanged(m_parameters);
    updateDescription();
    hide();
}

void ChannelPanelSettingsWidget::exec()
{
    show();
}

void ChannelPanelSettingsWidget::setDefaultParameters(
        DigitalOscilloscopeChannelParameters parameters)
{
    m_parameters = parameters;
    m_parameters.range = quint8(clampedRange(parameters.range));
    ui->offsetDoubleSpinBox->setValue(parameters.offset);
    ui->couplingDoubleSwitch->setChecked(parameters.coupling);
    ui->impedanceDoubleSwitch->setChecked(parameters.impedance);
    ui->bandwithComboBox->setCurrentIndex(parameters.filter);
    changeRange();
    updateDescription();
}

void ChannelPanelSettingsWidget::setSupportedFilters(
        std::vector<std::pair<double, QString>> filters)
{
    for (int i = 0; i < int(filters.size()); ++i)
        ui->bandwithComboBox->insertItem(i, filters[i].second);
    m_filters = std::move(filters);
}

void ChannelPanelSettingsWidget::setSupportedRanges(std::vector<double> ranges)
{
    m_ranges = std::move(ranges);
    m_parameters.range = quint8(clampedRange(m_parameters.range));
}

void ChannelPanelSettingsWidget::setSupportedImpedances(
        std::vector<DigitalOscilloscopeImpedanceType> impedances)
{
    if (impedances.size() < 2) {
        ui->impedanceLabel->hide();
        ui->impedanceDoubleSwitch->hide();
        ui->formLayout->removeWidget(ui->impedanceLabel);
        ui->formLayout->removeWidget(ui->impedanceDoubleSwitch);
        const bool lowOffered =
                std::find(impedances.begin(), impedances.end(), DigitalOscilloscopeLowImpedance)
                != impedances.end();
        ui->impedanceDoubleSwitch->setChecked(lowOffered);
    }
    ui->formLayout->update();
}

void ChannelPanelSettingsWidget::keyPressEvent(QKeyEvent *event)
{
    QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape)
        hide();
}

void ChannelPanelSettingsWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's texts blank the title and the range; the window keeps showing both.
        setWindowTitle(m_title);
        changeRange();
        // The panel's button shows the description in the language it was made in.
        updateDescription();
    } else if (event->type() == QEvent::StyleChange) {
        applyThemeIcons();
    }
}

void ChannelPanelSettingsWidget::stepRange(int step)
{
    if (m_ranges.empty())
        return;
    m_parameters.range = quint8(clampedRange(m_parameters.range + step));
    changeRange();
}

void ChannelPanelSettingsWidget::changeRange()
{
    const int count = int(m_ranges.size());
    const int range = m_parameters.range;
    ui->rangeIncreaseButton->setEnabled(range < count - 1);
    ui->rangeDecreaseButton->setEnabled(count > 0 && range != 0);
    if (count == 0) {
        ui->rangeValueLabel->clear();
    } else {
        ui->rangeValueLabel->setText(
                QStringLiteral("%1 %2").arg(QString::number(m_ranges[range], 'g'), tr("V")));
    }
    if (range > lastLowImpedanceRange)
        ui->impedanceDoubleSwitch->setChecked(false);
    ui->impedanceDoubleSwitch->setEnabled(range <= lastLowImpedanceRange);
}

void ChannelPanelSettingsWidget::updateDescription()
{
    const int range = m_parameters.range;
    const QString value =
            range < int(m_ranges.size()) ? QString::number(m_ranges[range], 'g') : QString();
    const QStringList impedances = ui->impedanceDoubleSwitch->switchLabels();
    const QString impedance = impedances.value(ui->impedanceDoubleSwitch->checked() ? 0 : 1);
    const QString coupling =
            ui->couplingDoubleSwitch->checked() ? QStringLiteral("AC") : QStringLiteral("DC");
    emit channelDescriptionChanged(QStringLiteral("%1 %2").arg(value, 4).arg(tr("V"))
                                   + QStringLiteral("   ") + impedance + QStringLiteral("   ")
                                   + coupling);
}

void ChannelPanelSettingsWidget::applyThemeIcons()
{
    const QString theme = currentThemeFolderName();
    ui->rangeDecreaseButton->setIcon(
            createThemeIcon(theme, QStringLiteral("control/arrow_minus.svg")));
    ui->rangeIncreaseButton->setIcon(
            createThemeIcon(theme, QStringLiteral("control/arrow_plus.svg")));
}

int ChannelPanelSettingsWidget::clampedRange(int range) const
{
    if (m_ranges.empty())
        return std::max(range, 0);
    return std::clamp(range, 0, int(m_ranges.size()) - 1);
}
