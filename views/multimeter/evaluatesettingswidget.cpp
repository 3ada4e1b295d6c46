#include "views/multimeter/evaluatesettingswidget.h"
#include "ui_evaluatesettingswidget.h"

#include "ui/viewbase/panelteardown.h"
#include "views/multimeter/evaluationnames.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

const std::vector<EvaluationType> DefaultEvaluations {EvaluationAmplitude, EvaluationMean,
                                                      EvaluationRms, EvaluationFrequency};

const std::vector<EvaluationType> VoltageEvaluationTypeSet {
        EvaluationAmplitude, EvaluationLow,     EvaluationRms,        EvaluationPeakToPeak,
        EvaluationMinimum,   EvaluationMean,    EvaluationHigh,       EvaluationOvershoot,
        EvaluationCycleRms,  EvaluationMaximum, EvaluationUndershoot, EvaluationCycleMean,
};

const std::vector<EvaluationType> TimeEvaluationTypeSet {
        EvaluationPeriod,
        EvaluationPositivePulseWidth,
        EvaluationRiseRate,
        EvaluationFrequency,
        EvaluationNegativePulseWidth,
        EvaluationFallRate,
        EvaluationPositiveDutyCycle,
        EvaluationRiseTime,
        EvaluationNegativeDutyCycle,
        EvaluationFallTime,
};

const std::set<EvaluationType> AllEvaluationTypeSet = [] {
    std::set<EvaluationType> all(VoltageEvaluationTypeSet.begin(), VoltageEvaluationTypeSet.end());
    all.insert(TimeEvaluationTypeSet.begin(), TimeEvaluationTypeSet.end());
    return all;
}();

namespace {

// Indexed by EvaluationType - 1.
constexpr const char *settingsNames[] = {
        QT_TRANSLATE_NOOP("QObject", "Amplitude"),
        QT_TRANSLATE_NOOP("QObject", "Low"),
        QT_TRANSLATE_NOOP("QObject", "RMS"),
        QT_TRANSLATE_NOOP("QObject", "Peak-to-peak"),
        QT_TRANSLATE_NOOP("QObject", "Minimum"),
        QT_TRANSLATE_NOOP("QObject", "Mean"),
        QT_TRANSLATE_NOOP("QObject", "High"),
        QT_TRANSLATE_NOOP("QObject", "Overshoot"),
        QT_TRANSLATE_NOOP("QObject", "Cycle RMS"),
        QT_TRANSLATE_NOOP("QObject", "Maximum"),
        QT_TRANSLATE_NOOP("QObject", "Undershoot"),
        QT_TRANSLATE_NOOP("QObject", "Cycle Mean"),
        QT_TRANSLATE_NOOP("QObject", "Period"),
        QT_TRANSLATE_NOOP("QObject", "Pos Pulse Width"),
        QT_TRANSLATE_NOOP("QObject", "Rise Rate"),
        QT_TRANSLATE_NOOP("QObject", "Frequency"),
        QT_TRANSLATE_NOOP("QObject", "Neg Pulse Width"),
        QT_TRANSLATE_NOOP("QObject", "Fall Rate"),
        QT_TRANSLATE_NOOP("QObject", "Pos Duty Cycle"),
        QT_TRANSLATE_NOOP("QObject", "Rise Time"),
        QT_TRANSLATE_NOOP("QObject", "Neg Duty Cycle"),
        QT_TRANSLATE_NOOP("QObject", "Fall Time"),
};
static_assert(sizeof(settingsNames) / sizeof(settingsNames[0]) == EvaluationTypeLast,
              "one long name per evaluation");

constexpr int cellWidth = 150;
constexpr int cellHeight = 20;
constexpr int columnCount = 3;
const QString buttonStyleSheet = QStringLiteral("border: 1px solid #b0b0c0;");

QGridLayout *addGroup(QVBoxLayout *layout, const QString &header)
{
    auto *label = new QLabel(header, layout->parentWidget());
    label->setProperty("header", true);
    layout->addWidget(label);
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    return grid;
}

// A check button per offered type of the group, three to a row, each over an empty label.
void fillGroup(QGridLayout *grid, QWidget *page, QButtonGroup *group,
               const std::vector<EvaluationType> &groupTypes,
               const std::set<EvaluationType> &offered)
{
    int k = 0;
    for (EvaluationType type : groupTypes) {
        if (offered.count(type) == 0)
            continue;
        auto *button = new QToolButton(page);
        button->setText(getEvaluationSettingsName(type));
        button->setCheckable(true);
        button->setFixedSize(cellWidth, cellHeight);
        button->setStyleSheet(buttonStyleSheet);
        group->addButton(button, type);
        auto *label = new QLabel(page);
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(cellWidth, cellHeight);
        const int row = (k / columnCount) * 2;
        grid->addWidget(button, row, k % columnCount);
        grid->addWidget(label, row + 1, k % columnCount);
        ++k;
    }
}

} // namespace

QString getEvaluationSettingsName(EvaluationType type)
{
    if (type < EvaluationTypeFirst || type > EvaluationTypeLast)
        return QString();
    return QCoreApplication::translate("QObject", settingsNames[type - EvaluationTypeFirst]);
}

QString getEvaluationSettingsDimentions(EvaluationType type, QString unit)
{
    return getEvaluationViewDimentions(type, unit);
}

EvaluateSettingsWidget::EvaluateSettingsWidget(QStringList names,
                                               std::vector<std::set<EvaluationType>> types,
                                               QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::EvaluateSettingsWidget)
{
    ui->setupUi(this);
    std::vector<std::vector<EvaluationType>> defaults;
    for (const QString &name : names) {
        ui->channelsListWidget->addItem(name);
        ui->channelSettingsStackedWidget->addWidget(new QWidget(ui->channelSettingsStackedWidget));
        auto *group = new QButtonGroup(this);
        group->setExclusive(false);
        m_buttonGroups.append(group);
        defaults.push_back(DefaultEvaluations);
    }
    createButtons(std::move(types));
    setDefaultSettings(std::move(defaults));
    if (names.size() < 2) {
        ui->channelsListWidget->hide();
    } else {
        connect(ui->channelsListWidget, &QListWidget::currentRowChanged,
                ui->channelSettingsStackedWidget, &QStackedWidget::setCurrentIndex);
        ui->channelsListWidget->setCurrentRow(0);
    }
}

EvaluateSettingsWidget::~EvaluateSettingsWidget()
{
    silenceForTeardown(this);
    delete ui;
}

void EvaluateSettingsWidget::createButtons(std::vector<std::set<EvaluationType>> types)
{
    const std::set<EvaluationType> none;
    for (int i = 0; i < ui->channelSettingsStackedWidget->count(); ++i) {
        QWidget *page = ui->channelSettingsStackedWidget->widget(i);
        const std::set<EvaluationType> &offered = size_t(i) < types.size() ? types[i] : none;
        QButtonGroup *group = m_buttonGroups.at(i);
        auto *layout = new QVBoxLayout(page);
        fillGroup(addGroup(layout, tr("Voltage")), page, group, VoltageEvaluationTypeSet, offered);
        fillGroup(addGroup(layout, tr("Time")), page, group, TimeEvaluationTypeSet, offered);
        layout->addItem(new QSpacerItem(0, 10, QSizePolicy::Minimum, QSizePolicy::Expanding));
        connect(group, &QButtonGroup::idToggled, this,
                [this, i](int id, bool checked) { buttonReleased(i, id, checked); });
    }
}

void EvaluateSettingsWidget::setDefaultSettings(
        std::vector<std::vector<EvaluationType>> evaluations)
{
    // At least one list per page, so that a click on a page the caller gave no list for
    // still has a list to change.
    const size_t pageCount = size_t(m_buttonGroups.size());
    evaluations.resize(std::max(evaluations.size(), pageCount));
    m_evaluations = std::move(evaluations);
    for (size_t i = 0; i < pageCount; ++i) {
        QButtonGroup *group = m_buttonGroups.at(int(i));
        const QSignalBlocker blocker(group);
        for (QAbstractButton *button : group->buttons())
            button->setChecked(false);
        for (EvaluationType type : m_evaluations[i]) {
            if (QAbstractButton *button = group->button(type))
                button->setChecked(true);
        }
    }
}

std::vector<std::vector<EvaluationType>> EvaluateSettingsWidget::getEvaluations() const
{
    return m_evaluations;
}

void EvaluateSettingsWidget::buttonReleased(int pageIndex, int id, bool isChecked)
{
    if (id == -1 || pageIndex < 0 || size_t(pageIndex) >= m_evaluations.size())
        return;
    std::vector<EvaluationType> &list = m_evaluations[size_t(pageIndex)];
    const auto type = static_cast<EvaluationType>(id);
    if (isChecked) {
        list.push_back(type);
        return;
    }
    const auto found = std::find(list.begin(), list.end(), type);
    if (found != list.end())
        list.erase(found);
}
