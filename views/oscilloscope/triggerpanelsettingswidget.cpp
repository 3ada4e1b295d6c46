#include "views/oscilloscope/triggerpanelsettingswidget.h"
#include "ui_triggerpanelsettingswidget.h"

#include "ui/viewbase/commonfunctions.h"
#include "ui/viewbase/panelteardown.h"

#include <QEvent>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

// Index of "s" in the unit lists, the base of both time conversions.
constexpr int highestTimeUnit = 3;
// The Impulse lists stop at "ms".
constexpr int highestImpulseUnit = 2;
// A maximum time this long or longer means "no maximum".
constexpr double impulseMaximumOff = 1.1;
// What Apply stores for a switched-off maximum.
constexpr double impulseMaximumOffValue = 2.0;

struct TimeRange
{
    double minimum;
    double maximum;
    double step;
    int decimals;
};

// By unit index; any index past "ms" (or none) takes the last row.
constexpr TimeRange timeRanges[] = {
        {2.0, 1000.0, 2.0, 1},
        {1.1, 1000.0, 0.1, 1},
        {1.1, 1000.0, 0.1, 1},
        {1.1, 1e9, 1e-8, 8},
};

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

void showTime(QComboBox *unitBox, QDoubleSpinBox *valueBox, double seconds, int highestUnit)
{
    auto [value, unit] = TriggerPanelSettingsWidget::fromTimeInterval(seconds, highestTimeUnit);
    // A time longer than the list's largest unit reads in that unit; the box clamps it.
    for (; unit > highestUnit; --unit)
        value *= 1000.0;
    unitBox->setCurrentIndex(unit);
    valueBox->setValue(value);
}

double readTime(const QComboBox *unitBox, const QDoubleSpinBox *valueBox)
{
    return TriggerPanelSettingsWidget::toTimeInterval(valueBox->value(), unitBox->currentIndex());
}

} // namespace

TriggerPanelSettingsWidget::TriggerPanelSettingsWidget(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TriggerPanelSettingsWidget>())
{
    ui->setupUi(this);
    setSupportedEventModes({DigitalOscilloscopeEdge, DigitalOscilloscopeRunt,
                            DigitalOscilloscopeWindow, DigitalOscilloscopeRate,
                            DigitalOscilloscopeImpulse, DigitalOscilloscopeInterval});
    makeConnections();
}

TriggerPanelSettingsWidget::~TriggerPanelSettingsWidget()
{
    silenceForTeardown(this);
}

void TriggerPanelSettingsWidget::makeConnections()
{
    connect(ui->modeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int position) {
                if (position >= 0 && position < int(m_supportedModes.size()))
                    ui->stackedWidget->setCurrentIndex(m_supportedModes[position]);
            });

    connect(ui->rateIntervalComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int unit) { validateTimeInterval(ui->rateIntervalDoubleSpinBox, unit); });
    validateTimeInterval(ui->rateIntervalDoubleSpinBox, 0);
    connect(ui->impulseMinTimeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int unit) { validateTimeInterval(ui->impulseMinTimeDoubleSpinBox, unit); });
    validateTimeInterval(ui->impulseMinTimeDoubleSpinBox, 0);
    connect(ui->impulseMaxTimeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int unit) { validateTimeInterval(ui->impulseMaxTimeDoubleSpinBox, unit); });
    validateTimeInterval(ui->impulseMaxTimeDoubleSpinBox, 1);
    ui->impulseMaxTimeComboBox->setCurrentIndex(1);
    connect(ui->intervalTimeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int unit) { validateTimeInterval(ui->intervalTimeDoubleSpinBox, unit); });
    validateTimeInterval(ui->intervalTimeDoubleSpinBox, 0);

    const auto validate = [this] { validateImpulseInterval(); };
    connect(ui->impulseMinTimeDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            validate);
    connect(ui->impulseMaxTimeDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            validate);
    connect(ui->impulseMinTimeCheckBox, &QCheckBox::toggled, this, validate);
    connect(ui->impulseMaxTimeCheckBox, &QCheckBox::toggled, this, validate);
    connect(ui->impulseMinTimeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            validate);
    connect(ui->impulseMaxTimeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            validate);

    connect(ui->impulseMinTimeCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        ui->impulseMinTimeComboBox->setEnabled(on);
        ui->impulseMinTimeDoubleSpinBox->setEnabled(on);
    });
    connect(ui->impulseMaxTimeCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        ui->impulseMaxTimeComboBox->setEnabled(on);
        ui->impulseMaxTimeDoubleSpinBox->setEnabled(on);
    });
    ui->impulseMinTimeCheckBox->setChecked(true);
    ui->impulseMaxTimeCheckBox->setChecked(false);

    connect(ui->edgeDirectionComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                ui->edgeIconLabel->setPixmap(QPixmap(
                        picturePath(index != 0 ? QStringLiteral("trigger_edge_falling.svg")
                                               : QStringLiteral("trigger_edge_rising.svg"))));
            });
    connect(ui->intervalDirectionComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                ui->intervalIconLabel->setPixmap(QPixmap(
                        picturePath(index != 0 ? QStringLiteral("trigger_interval_falling.svg")
                                               : QStringLiteral("trigger_interval_rising.svg"))));
            });

    connect(ui->acceptButton, &QPushButton::clicked, this, &TriggerPanelSettingsWidget::accept);
}

void TriggerPanelSettingsWidget::setSupportedEventModes(
        const std::vector<DigitalOscilloscopeEventMode> &modes)
{
    m_supportedModes.clear();
    // Only modes the dialog has a page for; each once.
    for (DigitalOscilloscopeEventMode mode : modes) {
        if (mode >= DigitalOscilloscopeEdge && mode <= DigitalOscilloscopeInterval)
            m_supportedModes.push_back(mode);
    }
    std::sort(m_supportedModes.begin(), m_supportedModes.end());
    m_supportedModes.erase(std::unique(m_supportedModes.begin(), m_supportedModes.end()),
                           m_supportedModes.end());
    fillModeList();
}

void TriggerPanelSettingsWidget::fillModeList()
{
    const QStringList modeNames = {tr("Edge"), tr("Runt"),    tr("Window"),
                                   tr("Rate"), tr("Impulse"), tr("Interval")};
    ui->modeComboBox->clear();
    for (DigitalOscilloscopeEventMode mode : m_supportedModes)
        ui->modeComboBox->addItem(modeNames.at(mode));
}

void TriggerPanelSettingsWidget::setRange(double range)
{
    for (QDoubleSpinBox *box :
         {ui->edgeLevelDoublSpinBox, ui->randLevel1DoubleSpinBox, ui->randLevel2DoubleSpinBox,
          ui->windowLevel1DoubleSpinBox, ui->windowLevel2DoubleSpinBox, ui->rateLevel1DoubleSpinBox,
          ui->rateLevel2DoubleSpinBox, ui->impulseLevelDoubleSpinBox}) {
        box->setRange(-range, range);
        box->setSingleStep(range * 0.00048828125);
    }
    // Applying reads the form: an edit left with Escape must not ride along, so the form
    // shows the applied record again, its levels clamped to the new range.
    showRecord(m_parameters);
    accept();
}

void TriggerPanelSettingsWidget::setTriggerLevel1(double level)
{
    if (level == m_parameters.level1)
        return;
    m_parameters.level1 = level;
    setDefaultParameters(m_parameters);
    accept();
}

void TriggerPanelSettingsWidget::changeStyleTheme(bool dark)
{
    m_theme = dark ? QStringLiteral("dark") : QStringLiteral("light");
    const auto show = [this](QLabel *label, const char *file) {
        label->setPixmap(QPixmap(picturePath(QLatin1String(file))));
    };
    show(ui->edgeIconLabel,
         ui->edgeDirectionComboBox->currentIndex() != 0 ? "trigger_edge_falling.svg"
                                                        : "trigger_edge_rising.svg");
    show(ui->randIconLabel, "trigger_rand.svg");
    show(ui->windowIconLabel, "trigger_window.svg");
    show(ui->rateIconLabel, "trigger_rate.svg");
    show(ui->impulseIconLabel, "trigger_impulse_rising.svg");
    show(ui->intervalIconLabel,
         ui->intervalDirectionComboBox->currentIndex() != 0 ? "trigger_interval_falling.svg"
                                                            : "trigger_interval_rising.svg");
    updateDescription();
}

double TriggerPanelSettingsWidget::toTimeInterval(double value, int unit)
{
    return value * std::pow(10.0, -3.0 * (highestTimeUnit - unit));
}

std::pair<double, int> TriggerPanelSettingsWidget::fromTimeInterval(double seconds, int unit)
{
    double value = seconds;
    while (unit > 0 && value < 1.1) {
        value *= 1000.0;
        --unit;
    }
    return {value, unit};
}

void TriggerPanelSettingsWidget::validateTimeInterval(QDoubleSpinBox *box, int unit)
{
    const int last = int(std::size(timeRanges)) - 1;
    const TimeRange &range = timeRanges[unit >= 0 && unit < last ? unit : last];
    box->setRange(range.minimum, range.maximum);
    box->setSingleStep(range.step);
    box->setDecimals(range.decimals);
}

QString
TriggerPanelSettingsWidget::descriptionText(const DigitalOscilloscopeTriggerParameters &parameters)
{
    const QString volt = tr("V");
    const QString second = tr("s");
    const QString direction = parameters.polarity ? tr("falling") : tr("rising");
    switch (parameters.mode) {
    case DigitalOscilloscopeEdge:
        return tr("Start on %1\nLevel: %2 %3").arg(direction, number(parameters.level1), volt)
                + QLatin1Char('\n');
    case DigitalOscilloscopeRunt:
        return tr("Start on runt\nLevel 1: %1 %2\nLevel 2: %3 %4")
                .arg(number(parameters.level1), volt, number(parameters.level2), volt);
    case DigitalOscilloscopeWindow:
        return tr("Start on window\nLevel 1: %1 %2\nLevel 2: %3 %4")
                .arg(number(parameters.level1), volt, number(parameters.level2), volt);
    case DigitalOscilloscopeRate:
        return tr("Start on duration %1 %2\nFrom level 1: %3 %4\nTo level 2: %5 %6")
                .arg(number(parameters.time1), second, number(parameters.level1), volt,
                     number(parameters.level2), volt);
    case DigitalOscilloscopeImpulse: {
        QString duration;
        if (parameters.time1 != 0.0)
            duration += tr("from %1 %2 ").arg(number(parameters.time1), second);
        if (parameters.time2 < impulseMaximumOff)
            duration += tr("to %1 %2").arg(number(parameters.time2), second);
        return tr("Start on level: %1 %2\nDuration: \n%3")
                .arg(number(parameters.level1), volt, duration);
    }
    case DigitalOscilloscopeInterval:
        return tr("Start on %1 edge\nDuration: \n%2 %3")
                .arg(direction, number(parameters.time1), second);
    default:
        return QString();
    }
}

QString TriggerPanelSettingsWidget::descriptionPicture(
        const DigitalOscilloscopeTriggerParameters &parameters)
{
    switch (parameters.mode) {
    case DigitalOscilloscopeEdge:
        return parameters.polarity ? QStringLiteral("trigger_edge_falling.svg")
                                   : QStringLiteral("trigger_edge_rising.svg");
    case DigitalOscilloscopeRunt:
        return QStringLiteral("trigger_rand.svg");
    case DigitalOscilloscopeWindow:
        return QStringLiteral("trigger_window.svg");
    case DigitalOscilloscopeRate:
        return QStringLiteral("trigger_rate.svg");
    case DigitalOscilloscopeImpulse:
        return QStringLiteral("trigger_impulse_rising.svg");
    case DigitalOscilloscopeInterval:
        return parameters.polarity ? QStringLiteral("trigger_interval_falling.svg")
                                   : QStringLiteral("trigger_interval_rising.svg");
    default:
        return QString();
    }
}

void TriggerPanelSettingsWidget::setDefaultParameters(
        DigitalOscilloscopeTriggerParameters parameters)
{
    m_parameters = parameters;
    showRecord(parameters);
    updateDescription();
}

void TriggerPanelSettingsWidget::showRecord(const DigitalOscilloscopeTriggerParameters &parameters)
{
    const auto found = std::find(m_supportedModes.begin(), m_supportedModes.end(), parameters.mode);
    ui->modeComboBox->setCurrentIndex(
            found == m_supportedModes.end() ? -1 : int(found - m_supportedModes.begin()));
    fillPage(parameters);
}

void TriggerPanelSettingsWidget::fillPage(const DigitalOscilloscopeTriggerParameters &parameters)
{
    switch (parameters.mode) {
    case DigitalOscilloscopeEdge:
        ui->edgeDirectionComboBox->setCurrentIndex(parameters.polarity ? 1 : 0);
        ui->edgeLevelDoublSpinBox->setValue(parameters.level1);
        break;
    case DigitalOscilloscopeRunt:
        ui->randLevel1DoubleSpinBox->setValue(parameters.level1);
        ui->randLevel2DoubleSpinBox->setValue(parameters.level2);
        break;
    case DigitalOscilloscopeWindow:
        ui->windowLevel1DoubleSpinBox->setValue(parameters.level1);
        ui->windowLevel2DoubleSpinBox->setValue(parameters.level2);
        break;
    case DigitalOscilloscopeRate:
        ui->rateLevel1DoubleSpinBox->setValue(parameters.level1);
        ui->rateLevel2DoubleSpinBox->setValue(parameters.level2);
        showTime(ui->rateIntervalComboBox, ui->rateIntervalDoubleSpinBox, parameters.time1,
                 highestTimeUnit);
        break;
    case DigitalOscilloscopeImpulse:
        fillImpulsePage(parameters);
        break;
    case DigitalOscilloscopeInterval:
        ui->intervalDirectionComboBox->setCurrentIndex(parameters.polarity ? 1 : 0);
        showTime(ui->intervalTimeComboBox, ui->intervalTimeDoubleSpinBox, parameters.time1,
                 highestTimeUnit);
        break;
    default:
        break;
    }
}

void TriggerPanelSettingsWidget::fillImpulsePage(
        const DigitalOscilloscopeTriggerParameters &parameters)
{
    ui->impulseWarningLabel->setText(QString());
    ui->impulseLevelDoubleSpinBox->setValue(parameters.level1);
    if (parameters.time1 == 0.0) {
        ui->impulseMinTimeCheckBox->setChecked(false);
    } else {
        ui->impulseMinTimeCheckBox->setChecked(true);
        showTime(ui->impulseMinTimeComboBox, ui->impulseMinTimeDoubleSpinBox, parameters.time1,
                 highestImpulseUnit);
    }
    if (parameters.time2 >= impulseMaximumOff) {
        ui->impulseMaxTimeCheckBox->setChecked(false);
        ui->impulseMaxTimeComboBox->setCurrentIndex(ui->impulseMinTimeComboBox->currentIndex());
        ui->impulseMaxTimeDoubleSpinBox->setValue(ui->impulseMinTimeDoubleSpinBox->value() + 1.0);
    } else {
        ui->impulseMaxTimeCheckBox->setChecked(true);
        showTime(ui->impulseMaxTimeComboBox, ui->impulseMaxTimeDoubleSpinBox, parameters.time2,
                 highestImpulseUnit);
    }
}

int TriggerPanelSettingsWidget::exec()
{
    setDefaultParameters(m_parameters);
    return QDialog::exec();
}

void TriggerPanelSettingsWidget::accept()
{
    const int position = ui->modeComboBox->currentIndex();
    // A kept mode the model does not support leaves the list without a selection: nothing
    // to apply.
    if (position < 0 || position >= int(m_supportedModes.size()))
        return;
    const int mode = m_supportedModes[position];
    if (mode == DigitalOscilloscopeImpulse && !ui->impulseWarningLabel->text().isEmpty())
        return;
    m_parameters.mode = mode;
    readPage(mode);
    emit triggerParametersChanged(m_parameters);
    updateDescription();
    QDialog::accept();
}

void TriggerPanelSettingsWidget::readPage(int mode)
{
    switch (mode) {
    case DigitalOscilloscopeEdge:
        m_parameters.polarity = ui->edgeDirectionComboBox->currentIndex() != 0;
        m_parameters.level1 = ui->edgeLevelDoublSpinBox->value();
        break;
    case DigitalOscilloscopeRunt:
        m_parameters.level1 = ui->randLevel1DoubleSpinBox->value();
        m_parameters.level2 = ui->randLevel2DoubleSpinBox->value();
        break;
    case DigitalOscilloscopeWindow:
        m_parameters.level1 = ui->windowLevel1DoubleSpinBox->value();
        m_parameters.level2 = ui->windowLevel2DoubleSpinBox->value();
        break;
    case DigitalOscilloscopeRate:
        m_parameters.level1 = ui->rateLevel1DoubleSpinBox->value();
        m_parameters.level2 = ui->rateLevel2DoubleSpinBox->value();
        m_parameters.time1 = readTime(ui->rateIntervalComboBox, ui->rateIntervalDoubleSpinBox);
        break;
    case DigitalOscilloscopeImpulse:
        m_parameters.level1 = ui->impulseLevelDoubleSpinBox->value();
        m_parameters.time1 = ui->impulseMinTimeCheckBox->isChecked()
                ? readTime(ui->impulseMinTimeComboBox, ui->impulseMinTimeDoubleSpinBox)
                : 0.0;
        m_parameters.time2 = ui->impulseMaxTimeCheckBox->isChecked()
                ? readTime(ui->impulseMaxTimeComboBox, ui->impulseMaxTimeDoubleSpinBox)
                : impulseMaximumOffValue;
        break;
    case DigitalOscilloscopeInterval:
        m_parameters.polarity = ui->intervalDirectionComboBox->currentIndex() != 0;
        m_parameters.time1 = readTime(ui->intervalTimeComboBox, ui->intervalTimeDoubleSpinBox);
        break;
    default:
        break;
    }
}

void TriggerPanelSettingsWidget::validateImpulseInterval()
{
    bool invalid = false;
    if (ui->impulseMinTimeCheckBox->isChecked() && ui->impulseMaxTimeCheckBox->isChecked()) {
        const int minimumUnit = ui->impulseMinTimeComboBox->currentIndex();
        const int maximumUnit = ui->impulseMaxTimeComboBox->currentIndex();
        invalid = minimumUnit > maximumUnit
                || (minimumUnit == maximumUnit
                    && ui->impulseMinTimeDoubleSpinBox->value()
                            >= ui->impulseMaxTimeDoubleSpinBox->value());
    }
    if (invalid) {
        ui->impulseWarningLabel->setText(tr("Time interval settings are invalid!\nMinimum time "
                                            "value should be less than maximum time value."));
    } else if (!ui->impulseWarningLabel->text().isEmpty()) {
        ui->impulseWarningLabel->clear();
    }
}

void TriggerPanelSettingsWidget::updateDescription()
{
    const QString picture = descriptionPicture(m_parameters);
    const QIcon icon = picture.isEmpty()
            ? QIcon()
            : createThemeIcon(m_theme, QStringLiteral("triggers/") + picture);
    emit triggerDescriptionChanged(descriptionText(m_parameters), icon);
}

QString TriggerPanelSettingsWidget::picturePath(const QString &file) const
{
    return QStringLiteral(":/icons/%1/triggers/%2").arg(m_theme, file);
}

void TriggerPanelSettingsWidget::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The lists come back in the new language from their first entries, with what that
        // selects (unit ranges, direction pictures); the next exec shows the record again.
        for (QComboBox *list :
             {ui->edgeDirectionComboBox, ui->rateIntervalComboBox, ui->impulseMinTimeComboBox,
              ui->impulseMaxTimeComboBox, ui->intervalDirectionComboBox, ui->intervalTimeComboBox})
            list->setCurrentIndex(0);
        fillModeList();
        updateDescription();
    } else if (event->type() == QEvent::StyleChange) {
        changeStyleTheme(currentThemeFolderName() == QLatin1String("dark"));
    }
}
