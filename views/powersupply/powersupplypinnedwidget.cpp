#include "views/powersupply/powersupplypinnedwidget.h"

#include "ui_powersupplypinnedwidget.h"

#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/labelwidth.h"
#include "ui/viewbase/panelteardown.h"
#include "views/powersupply/emptyoutputoptions.h"

#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>

PowerSupplyPinnedWidget::PowerSupplyPinnedWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::PowerSupplyPinnedWidget>())
{
    m_ui->setupUi(this);
    connect(m_ui->currentVekDoubleSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
            this, &PowerSupplyPinnedWidget::setCurrent);
    connect(m_ui->voltageVekDoubleSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
            this, &PowerSupplyPinnedWidget::setVoltage);
    connect(m_ui->stopStartModeToolButton, &QToolButton::toggled, this,
            &PowerSupplyPinnedWidget::setEnable);
    connect(m_ui->currentChannelDecreaseButton, &QToolButton::released, this,
            &PowerSupplyPinnedWidget::decreaseCurrentChannel);
    connect(m_ui->currentChannelIncreaseButton, &QToolButton::released, this,
            &PowerSupplyPinnedWidget::increaseCurrentChannel);
    m_currentChannel = 0;
    for (QLabel *label : fittedLabels())
        label->installEventFilter(this);
    fitLabels();
    updateStyle();
}

PowerSupplyPinnedWidget::~PowerSupplyPinnedWidget()
{
    silenceForTeardown(this);
}

bool PowerSupplyPinnedWidget::hasRecord(int channel) const
{
    return channel >= 0 && channel < m_options.size();
}

void PowerSupplyPinnedWidget::setOutputOption(int channel, PowerSupplyOutputOptions parameters)
{
    if (!hasRecord(channel))
        return;
    m_options[channel] = parameters;
    showCurrentChannel();
}

void PowerSupplyPinnedWidget::setChannelsCount(unsigned char channelsCount)
{
    m_channelsCount = channelsCount;
    for (int i = 0; i < channelsCount; ++i)
        m_options.append(emptyOutputOptions());
    updateStyle();
}

void PowerSupplyPinnedWidget::showCurrentChannel()
{
    if (hasRecord(m_currentChannel))
        viewOptions(m_options[m_currentChannel]);
}

QList<QLabel *> PowerSupplyPinnedWidget::fittedLabels() const
{
    return {m_ui->label,   m_ui->overVoltageViewLabel, m_ui->voltageViewLabel, m_ui->label_4,
            m_ui->label_2, m_ui->overCurrentViewLabel, m_ui->currentViewLabel, m_ui->label_3};
}

void PowerSupplyPinnedWidget::fitLabels()
{
    const QStringList marks {tr("CC "), tr("CV "), tr("OVR")};
    for (QLabel *mark : {m_ui->overVoltageViewLabel, m_ui->overCurrentViewLabel})
        fitLabelWidth(mark, marks, blankWidth(mark), true);
    for (QLabel *unit : {m_ui->label, m_ui->label_4, m_ui->label_2, m_ui->label_3})
        fitLabelWidth(unit, {unit->text()});
    // The boxes hold the limits of the options on display.
    fitLabelWidth(m_ui->voltageViewLabel, widestReadings(m_ui->voltageVekDoubleSpinBox->maximum()));
    fitLabelWidth(m_ui->currentViewLabel, widestReadings(m_ui->currentVekDoubleSpinBox->maximum()));
}

bool PowerSupplyPinnedWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A sheet reaches each label by itself, possibly after the miniature: refit then.
    const QEvent::Type type = event->type();
    auto *label = qobject_cast<QLabel *>(watched);
    if (label && fittedLabels().contains(label)
        && (type == QEvent::Polish || type == QEvent::FontChange || type == QEvent::StyleChange))
        fitLabels();
    return QWidget::eventFilter(watched, event);
}

void PowerSupplyPinnedWidget::viewOptions(PowerSupplyOutputOptions parameters)
{
    {
        const QSignalBlocker blocker(m_ui->voltageVekDoubleSpinBox);
        m_ui->voltageVekDoubleSpinBox->setMaximum(parameters.voltageMaximum);
        m_ui->voltageVekDoubleSpinBox->setMinimum(parameters.voltageMinimum);
    }
    m_ui->voltageViewLabel->setText(QString::number(parameters.voltage, 'g', 6));
    {
        const QSignalBlocker blocker(m_ui->currentVekDoubleSpinBox);
        m_ui->currentVekDoubleSpinBox->setMaximum(parameters.currentMaximum);
        m_ui->currentVekDoubleSpinBox->setMinimum(parameters.currentMinimum);
    }
    m_ui->currentViewLabel->setText(QString::number(parameters.current, 'g', 6));
    {
        const QSignalBlocker blocker(m_ui->stopStartModeToolButton);
        m_ui->stopStartModeToolButton->setChecked(parameters.enabled);
    }
    m_ui->currentChannelLabel->setText(QString::number(m_currentChannel + 1));
    fitLabels();
}

void PowerSupplyPinnedWidget::setVoltage(double voltage)
{
    if (!hasRecord(m_currentChannel))
        return;
    PowerSupplyOutputOptions &options = m_options[m_currentChannel];
    options.voltage = voltage;
    options.current = m_ui->currentVekDoubleSpinBox->value();
    emitOutput();
}

void PowerSupplyPinnedWidget::setCurrent(double current)
{
    if (!hasRecord(m_currentChannel))
        return;
    PowerSupplyOutputOptions &options = m_options[m_currentChannel];
    options.current = current;
    options.voltage = m_ui->voltageVekDoubleSpinBox->value();
    emitOutput();
}

void PowerSupplyPinnedWidget::setEnable(bool enable)
{
    if (!hasRecord(m_currentChannel))
        return;
    PowerSupplyOutputOptions &options = m_options[m_currentChannel];
    options.enabled = enable;
    options.voltage = m_ui->voltageVekDoubleSpinBox->value();
    options.current = m_ui->currentVekDoubleSpinBox->value();
    emitOutput();
}

void PowerSupplyPinnedWidget::emitOutput()
{
    emit outputChanged(m_currentChannel, m_options[m_currentChannel]);
}

void PowerSupplyPinnedWidget::setOverMode(int channel, PowerSupplyModeType mode)
{
    if (channel != m_currentChannel)
        return;
    m_ui->overCurrentViewLabel->setText(tr("   "));
    m_ui->overVoltageViewLabel->setText(tr("   "));
    switch (mode) {
    case PowerSupplyConstantCurrent:
        m_ui->overCurrentViewLabel->setText(tr("CC "));
        break;
    case PowerSupplyConstantVoltage:
        m_ui->overVoltageViewLabel->setText(tr("CV "));
        break;
    case PowerSupplyOverRegulation:
        m_ui->overCurrentViewLabel->setText(tr("OVR"));
        m_ui->overVoltageViewLabel->setText(tr("OVR"));
        break;
    default:
        break;
    }
}

void PowerSupplyPinnedWidget::setCurrentValues(int channel, double voltage, double current)
{
    if (channel != m_currentChannel)
        return;
    m_ui->voltageViewLabel->setText(QString::number(voltage, 'f', 2));
    m_ui->currentViewLabel->setText(QString::number(current, 'f', 2));
}

void PowerSupplyPinnedWidget::setCurrentChannel(int channel)
{
    if (channel >= 0 && channel < m_channelsCount)
        m_currentChannel = static_cast<quint8>(channel);
    showCurrentChannel();
}

void PowerSupplyPinnedWidget::setSynchronizeOption(int channel, PowerSupplyOutputOptions parameters)
{
    if (channel != m_currentChannel || !hasRecord(channel))
        return;
    m_options[channel] = parameters;
    {
        const QSignalBlocker blocker(m_ui->currentVekDoubleSpinBox);
        m_ui->currentVekDoubleSpinBox->setValue(parameters.current);
    }
    {
        const QSignalBlocker blocker(m_ui->voltageVekDoubleSpinBox);
        m_ui->voltageVekDoubleSpinBox->setValue(parameters.voltage);
    }
    {
        const QSignalBlocker blocker(m_ui->stopStartModeToolButton);
        m_ui->stopStartModeToolButton->setChecked(parameters.enabled);
    }
}

void PowerSupplyPinnedWidget::increaseCurrentChannel()
{
    if (m_currentChannel + 1 >= m_channelsCount)
        return;
    ++m_currentChannel;
    showCurrentChannel();
}

void PowerSupplyPinnedWidget::decreaseCurrentChannel()
{
    if (m_currentChannel == 0)
        return;
    --m_currentChannel;
    showCurrentChannel();
}

void PowerSupplyPinnedWidget::updateStyle()
{
    const QString theme = currentThemeFolderName();
    m_ui->stopStartModeToolButton->setIcon(
            createThemeIcon(theme, QStringLiteral("control/power.svg")));
    m_ui->currentChannelIncreaseButton->setIcon(
            createThemeIcon(theme, QStringLiteral("control/arrow_up.svg")));
    m_ui->currentChannelDecreaseButton->setIcon(
            createThemeIcon(theme, QStringLiteral("control/arrow_down.svg")));
}

void PowerSupplyPinnedWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        // Before any options were shown the label keeps the form's "0".
        if (hasRecord(m_currentChannel))
            m_ui->currentChannelLabel->setText(QString::number(m_currentChannel + 1));
        fitLabels();
    } else if (event->type() == QEvent::StyleChange) {
        updateStyle();
    }
}
