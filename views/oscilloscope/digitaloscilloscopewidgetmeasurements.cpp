// The measurement strip of the oscilloscope panel: the selection per row, its settings dialog
// and the buttons that show the values the view computes.
#include "ui_digitaloscilloscopewidget.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "ui/viewbase/measurementsbutton.h"
#include "ui/viewbase/measurementsstrip.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/multimeter/evaluationnames.h"

#include <QGridLayout>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int iconSide = 5;
constexpr int stripRows = MeasurementsStrip::rows;

QIcon colourIcon(const QColor &colour)
{
    QPixmap pixmap(iconSide, iconSide);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

void DigitalOscilloscopeWidget::setEvaluationTypes(std::vector<std::vector<EvaluationType>> types)
{
    if (types == m_evaluationTypes)
        return;
    m_evaluationTypes = types;
    emit evaluationTypesChanged(std::move(types));
}

void DigitalOscilloscopeWidget::showSettings()
{
    const QStringList names = {tr("Channel 1"), tr("Channel 2"), tr("Math channel")};
    const std::vector<std::set<EvaluationType>> sets(std::size_t(names.size()),
                                                     AllEvaluationTypeSet);
    std::vector<std::vector<EvaluationType>> chosen;
    {
        // Parentless, as a top-level window of its own; gone before the selection goes out.
        EvaluateSettingsWidget dialog(names, sets);
        dialog.setDefaultSettings(m_evaluationTypes);
        dialog.exec();
        chosen = dialog.getEvaluations();
    }
    setEvaluationTypes(std::move(chosen));
}

void DigitalOscilloscopeWidget::setEvaluationValues(
        const std::vector<std::vector<EvaluationType>> &types,
        const std::vector<QMap<EvaluationType, double>> &values)
{
    if (types.empty())
        return;
    m_evaluationValues = values;
    bool sameCounts = true;
    std::vector<int> counts;
    for (std::size_t group = 0; group < types.size(); ++group) {
        counts.push_back(int(types[group].size()));
        const std::size_t buttons =
                group < m_measurementButtons.size() ? m_measurementButtons[group].size() : 0;
        sameCounts = sameCounts && buttons == types[group].size();
    }
    if (!sameCounts)
        recreateEvalutionPanel(counts);
    const QString unit = tr("V");
    for (std::size_t group = 0; group < types.size() && group < m_measurementButtons.size();
         ++group) {
        const std::vector<MeasurementsButton *> &buttons = m_measurementButtons[group];
        for (std::size_t j = 0; j < types[group].size() && j < buttons.size(); ++j) {
            const EvaluationType type = types[group][j];
            const double value = group < values.size() ? values[group].value(type, 0.0) : 0.0;
            buttons[j]->setMeasurementName(getEvaluationViewName(type));
            buttons[j]->setUnits(getEvaluationViewDimentions(type, unit));
            buttons[j]->setValue(value);
        }
    }
}

void DigitalOscilloscopeWidget::recreateEvalutionPanel(std::vector<int> counts)
{
    auto *grid = qobject_cast<QGridLayout *>(ui->measurementsGridWidget->layout());
    if (!grid)
        return;
    grid->blockSignals(true);
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            QLayoutItem *item = grid->itemAtPosition(row, column);
            if (item && item->widget()) {
                QWidget *widget = item->widget();
                grid->removeWidget(widget);
                widget->deleteLater();
            }
        }
    }
    grid->blockSignals(false);
    for (auto &group : m_measurementButtons)
        group.clear();
    m_measurementButtons.resize(std::size_t(channelCount));
    int n = 0;
    // More groups than rows cannot be shown: the strip has room for the rows only.
    for (std::size_t group = 0; group < counts.size() && group < m_measurementButtons.size();
         ++group) {
        const QColor colour =
                group < m_channelColors.size() ? m_channelColors[group] : QColor(Qt::gray);
        const QIcon icon = colourIcon(colour);
        for (int k = 0; k < counts[group]; ++k) {
            auto *button = new MeasurementsButton(ui->measurementsGridWidget);
            grid->addWidget(button, n % stripRows, n / stripRows);
            m_measurementButtons[group].push_back(button);
            button->setIconSize(QSize(iconSide, iconSide));
            button->setIcon(icon);
            button->setProperty("measurementsButton", true);
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
            ++n;
        }
    }
    std::vector<MeasurementsButton *> buttons;
    for (const auto &group : m_measurementButtons)
        buttons.insert(buttons.end(), group.begin(), group.end());
    m_measurementsStrip->setButtons(buttons);
}

void DigitalOscilloscopeWidget::relabelMeasurementButtons()
{
    // Bounded by the buttons: the selection may hold more than the strip has shown so far.
    const QString unit = tr("V");
    for (std::size_t group = 0;
         group < m_measurementButtons.size() && group < m_evaluationTypes.size(); ++group) {
        const auto &buttons = m_measurementButtons[group];
        for (std::size_t j = 0; j < buttons.size() && j < m_evaluationTypes[group].size(); ++j) {
            const EvaluationType type = m_evaluationTypes[group][j];
            buttons[j]->setMeasurementName(getEvaluationViewName(type));
            buttons[j]->setUnits(getEvaluationViewDimentions(type, unit));
        }
    }
}

void DigitalOscilloscopeWidget::recolorMeasurementButtons()
{
    for (std::size_t group = 0;
         group < m_measurementButtons.size() && group < m_channelColors.size(); ++group) {
        const QIcon icon = colourIcon(m_channelColors[group]);
        for (MeasurementsButton *button : m_measurementButtons[group])
            button->setIcon(icon);
    }
}
