#include "views/powersupply/powersupplywidget.h"

#include "ui_powersupplychannelwidget.h"
#include "ui_powersupplywidget.h"

#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/labelwidth.h"
#include "ui/viewbase/panelteardown.h"
#include "views/powersupply/emptyoutputoptions.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {
constexpr int blocksPerColumn = 5;
const QString blankMark = QStringLiteral("   ");
// The marks are the instrument's own abbreviations, the same in every language.
const QString currentMark = QStringLiteral(" CC");
const QString voltageMark = QStringLiteral(" CV");
const QString overMark = QStringLiteral("OVR");
// Both themes mark with this colour, so the marks are coloured before any style change too.
const QColor markColor(QStringLiteral("#2196F3"));
} // namespace

PowerSupplyWidget::PowerSupplyWidget(QWidget *parent)
    : QWidget(parent)
    , m_markColor(markColor)
    , m_ui(std::make_unique<Ui::PowerSupplyWidget>())
{
    m_ui->setupUi(this);
}

PowerSupplyWidget::~PowerSupplyWidget()
{
    silenceForTeardown(this);
}

bool PowerSupplyWidget::hasChannel(int channel) const
{
    return channel >= 0 && channel < m_options.size();
}

void PowerSupplyWidget::setChannelsCount(unsigned char channelsCount)
{
    const bool first = m_channelForms.empty();
    for (int i = 0; i < channelsCount; ++i)
        addChannel(static_cast<int>(m_channelForms.size()));
    if (first && !m_channelForms.empty()) {
        connect(m_ui->startModePushButton, &QPushButton::released, this,
                &PowerSupplyWidget::startAllChanneles);
        connect(m_ui->stopModePushButton, &QPushButton::released, this,
                &PowerSupplyWidget::stopAllChanneles);
    }
}

void PowerSupplyWidget::addChannel(int index)
{
    auto form = std::make_unique<Ui::PowerSupplyChannelWidget>();
    auto *frame = new QFrame(m_ui->settingsWidget);
    form->setupUi(frame);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setProperty("group", true);
    if (auto *grid = qobject_cast<QGridLayout *>(m_ui->settingsWidget->layout())) {
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(1, 1);
        grid->addWidget(frame, index % blocksPerColumn, index / blocksPerColumn);
    } else if (QLayout *layout = m_ui->settingsWidget->layout()) {
        layout->addWidget(frame);
    }
    form->channelNameLabel->setText(tr("Channel %1").arg(index + 1));
    m_options.append(emptyOutputOptions());
    for (QLabel *label : fittedLabels(*form))
        label->installEventFilter(this);
    m_channelForms.push_back(std::move(form));
    fitChannelLabels(index);
    connectChannel(index);
}

QList<QLabel *> PowerSupplyWidget::fittedLabels(const Ui::PowerSupplyChannelWidget &form)
{
    return {form.voltageDimentionsViewLabel, form.overVoltageViewLabel,
            form.voltageViewLabel,           form.voltageDimentionsViewLabel_2,
            form.currentDimentionsViewLabel, form.overCurrentViewLabel,
            form.currentViewLabel,           form.currentDimentionsViewLabel_2};
}

void PowerSupplyWidget::fitChannelLabels(int channel)
{
    const Ui::PowerSupplyChannelWidget &form = *m_channelForms[static_cast<size_t>(channel)];
    for (QLabel *mark : {form.overVoltageViewLabel, form.overCurrentViewLabel})
        fitLabelWidth(mark, {currentMark, voltageMark, overMark}, blankWidth(mark), true);
    for (QLabel *unit : {form.voltageDimentionsViewLabel, form.voltageDimentionsViewLabel_2,
                         form.currentDimentionsViewLabel, form.currentDimentionsViewLabel_2})
        fitLabelWidth(unit, {unit->text()});
    // The boxes hold the channel's limits.
    fitLabelWidth(form.voltageViewLabel, widestReadings(form.voltageVekDoubleSpinBox->maximum()));
    fitLabelWidth(form.currentViewLabel, widestReadings(form.currentVekDoubleSpinBox->maximum()));
}

bool PowerSupplyWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A sheet reaches each label by itself, possibly after the panel: refit then.
    const QEvent::Type type = event->type();
    auto *label = qobject_cast<QLabel *>(watched);
    if (label
        && (type == QEvent::Polish || type == QEvent::FontChange || type == QEvent::StyleChange)) {
        for (size_t i = 0; i < m_channelForms.size(); ++i) {
            if (fittedLabels(*m_channelForms[i]).contains(label))
                fitChannelLabels(static_cast<int>(i));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PowerSupplyWidget::connectChannel(int index)
{
    const Ui::PowerSupplyChannelWidget &form = *m_channelForms[static_cast<size_t>(index)];
    const auto channel = static_cast<unsigned char>(index);
    connect(form.voltageVekDoubleSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
            this, [this, channel](double value) { setVoltage(channel, value); });
    connect(form.currentVekDoubleSpinBox, QOverload<double>::of(&QDoubleSpinBox::valueChanged),
            this, [this, channel](double value) { setCurrent(channel, value); });
    connect(form.stopStartModeToolButton, &QToolButton::toggled, this,
            [this, channel](bool checked) { setEnable(channel, checked); });
}

void PowerSupplyWidget::setOutputOption(int channel, PowerSupplyOutputOptions parameters)
{
    if (!hasChannel(channel))
        return;
    const Ui::PowerSupplyChannelWidget &form = *m_channelForms[static_cast<size_t>(channel)];
    {
        const QSignalBlocker blocker(form.voltageVekDoubleSpinBox);
        form.voltageVekDoubleSpinBox->setMaximum(parameters.voltageMaximum);
        form.voltageVekDoubleSpinBox->setMinimum(parameters.voltageMinimum);
    }
    form.voltageViewLabel->setText(QString::number(parameters.voltage, 'g', 6));
    {
        const QSignalBlocker blocker(form.currentVekDoubleSpinBox);
        form.currentVekDoubleSpinBox->setMaximum(parameters.currentMaximum);
        form.currentVekDoubleSpinBox->setMinimum(parameters.currentMinimum);
    }
    form.currentViewLabel->setText(QString::number(parameters.current, 'g', 6));
    {
        const QSignalBlocker blocker(form.stopStartModeToolButton);
        form.stopStartModeToolButton->setChecked(parameters.enabled);
    }
    m_options[channel] = parameters;
    fitChannelLabels(channel);
}

void PowerSupplyWidget::setSynchronizeOption(int channel, PowerSupplyOutputOptions parameters)
{
    if (!hasChannel(channel))
        return;
    m_options[channel] = parameters;
    const Ui::PowerSupplyChannelWidget &form = *m_channelForms[static_cast<size_t>(channel)];
    {
        const QSignalBlocker blocker(form.currentVekDoubleSpinBox);
        form.currentVekDoubleSpinBox->setValue(parameters.current);
    }
    {
        const QSignalBlocker blocker(form.voltageVekDoubleSpinBox);
        form.voltageVekDoubleSpinBox->setValue(parameters.voltage);
    }
    {
        const QSignalBlocker blocker(form.stopStartModeToolButton);
        form.stopStartModeToolButton->setChecked(parameters.enabled);
    }
}

void PowerSupplyWidget::setVoltage(unsigned char channel, double voltage)
{
    if (!hasChannel(channel))
        return;
    PowerSupplyOutputOptions &options = m_options[channel];
    options.voltage = voltage;
    options.current = m_channelForms[channel]->currentVekDoubleSpinBox->value();
    emitOutput(channel);
}

void PowerSupplyWidget::setCurrent(unsigned char channel, double current)
{
    if (!hasChannel(channel))
        return;
    PowerSupplyOutputOptions &options = m_options[channel];
    options.current = current;
    options.voltage = m_channelForms[channel]->voltageVekDoubleSpinBox->value();
    emitOutput(channel);
}

void PowerSupplyWidget::setEnable(unsigned char channel, bool enable)
{
    if (!hasChannel(channel))
        return;
    PowerSupplyOutputOptions &options = m_options[channel];
    options.enabled = enable;
    options.voltage = m_channelForms[channel]->voltageVekDoubleSpinBox->value();
    options.current = m_channelForms[channel]->currentVekDoubleSpinBox->value();
    emitOutput(channel);
}

void PowerSupplyWidget::emitOutput(int channel)
{
    emit outputChanged(channel, m_options[channel]);
}

void PowerSupplyWidget::setCurrentValues(int channel, double voltage, double current)
{
    if (!hasChannel(channel))
        return;
    const Ui::PowerSupplyChannelWidget &form = *m_channelForms[static_cast<size_t>(channel)];
    form.voltageViewLabel->setText(QString::number(voltage, 'f', 2));
    form.currentViewLabel->setText(QString::number(current, 'f', 2));
}

void PowerSupplyWidget::setOverMode(int channel, PowerSupplyModeType mode)
{
    if (!hasChannel(channel))
        return;
    const Ui::PowerSupplyChannelWidget &form = *m_channelForms[static_cast<size_t>(channel)];
    form.overCurrentViewLabel->setText(blankMark);
    form.overVoltageViewLabel->setText(blankMark);
    const QString colored = QStringLiteral("<font color='%1'>%2</font>").arg(m_markColor.name());
    switch (mode) {
    case PowerSupplyConstantCurrent:
        form.overCurrentViewLabel->setText(colored.arg(currentMark));
        break;
    case PowerSupplyConstantVoltage:
        form.overVoltageViewLabel->setText(colored.arg(voltageMark));
        break;
    case PowerSupplyOverRegulation:
        form.overCurrentViewLabel->setText(colored.arg(overMark));
        form.overVoltageViewLabel->setText(colored.arg(overMark));
        break;
    default:
        break;
    }
}

void PowerSupplyWidget::startAllChanneles()
{
    for (const auto &form : m_channelForms)
        form->stopStartModeToolButton->setChecked(true);
}

void PowerSupplyWidget::stopAllChanneles()
{
    for (const auto &form : m_channelForms)
        form->stopStartModeToolButton->setChecked(false);
}

void PowerSupplyWidget::updateStyle()
{
    const QString theme = currentThemeFolderName();
    m_ui->startModePushButton->setIcon(createThemeIcon(theme, QStringLiteral("control/power.svg")));
    m_ui->stopModePushButton->setIcon(createThemeIcon(theme, QStringLiteral("control/stop.svg")));
    const QIcon power = createThemeIcon(theme, QStringLiteral("control/power.svg"));
    for (const auto &form : m_channelForms)
        form->stopStartModeToolButton->setIcon(power);
    m_markColor = markColor;
}

void PowerSupplyWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this); // the two buttons; the blocks keep their titles
    else if (event->type() == QEvent::StyleChange)
        updateStyle();
}
