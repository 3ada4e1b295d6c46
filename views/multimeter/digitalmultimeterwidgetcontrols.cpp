// The control side of the form: showing the view's records, the enable rules, the requests
// that user edits send, the scan time and the start modes.
#include "ui_digitalmultimeterwidget.h"
#include "views/multimeter/digitalmultimeterwidget.h"

#include "resources/resourcerv38.h"
#include "views/multimeter/dimentiontranslater.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/multimeter/translateoptions.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <cmath>

const QVector<double> ScanTimeList {1.0, 2.0, 5.0, 10.0, 30.0};

namespace {

const QString readingPlaceholder = QStringLiteral(" ___.____");
// The view's point counts have four digits at most.
constexpr int widestPointCount = 8192;
// A start button's 1 px border and 2 px of air on either side of its name.
constexpr int startButtonFrame = 6;

// Room for the widest of texts with a blank on either side, so a centred value never touches
// its step buttons.
void fitValueLabel(QLabel *label, const QStringList &texts)
{
    const QFontMetrics metrics = label->fontMetrics();
    int text = 0;
    for (const QString &entry : texts)
        text = std::max(text, metrics.horizontalAdvance(entry));
    label->setMinimumWidth(text + 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + label->width()
                           - label->contentsRect().width() + 2 * label->margin());
}

QStringList secondsTexts(const QVector<double> &seconds, const QString &unit)
{
    QStringList texts;
    for (double entry : seconds)
        texts << normalizeDimentions(entry, unit, false, -1);
    return texts;
}

} // namespace

void DigitalMultimeterWidget::setFunctionMode(int mode)
{
    {
        const QSignalBlocker blocker(functionButtonGroup);
        for (QAbstractButton *button : functionButtonGroup->buttons()) {
            button->setChecked(false);
            button->setDown(false);
        }
        if (QAbstractButton *button = functionButtonGroup->button(mode))
            button->setChecked(true);
    }
    clearHistory();
    emit functionModeChanged(static_cast<FunctionsMode>(mode));
}

void DigitalMultimeterWidget::changeRangeIndex(int index)
{
    if (index == 0) {
        emit rangeChanged(-1.0);
        return;
    }
    const QVector<double> ranges = rangeSettings.value(functionMode);
    emit rangeChanged(index >= 1 && index <= ranges.size() ? ranges.at(index - 1) : 0.0);
}

void DigitalMultimeterWidget::changeZero(int index)
{
    emit autoZeroStateChanged(index);
}

void DigitalMultimeterWidget::changeFilter(int index)
{
    if (index >= 0 && index < filterValues.size())
        emit filterChanged(index);
}

void DigitalMultimeterWidget::changeImpedance(int index)
{
    emit impedanceStateChanged(index != 0);
}

void DigitalMultimeterWidget::changePowerFrequency(int index)
{
    emit powerFrequencyChanged(index != 0 ? 60 : 50);
}

void DigitalMultimeterWidget::blockMainGroupUiSignals(bool block)
{
    ui->rangeFuctionsComboBox->blockSignals(block);
    functionButtonGroup->blockSignals(block);
    ui->powerFrequencyModeComboBox->blockSignals(block);
    ui->inputImpedanceModeComboBox->blockSignals(block);
    ui->filterModeComboBox->blockSignals(block);
}

void DigitalMultimeterWidget::blockAdditionalGroupUiSignals(bool block)
{
    ui->autoZeroComboBox->blockSignals(block);
}

void DigitalMultimeterWidget::setMainParameters(
        const DigitalGeneratorMainParameters &mainParameters)
{
    lastMainParameters = mainParameters;
    blockMainGroupUiSignals(true);
    // A function outside the table (from a stored state) has no button to check.
    if (QAbstractButton *button = functionButtonGroup->button(mainParameters.function))
        button->setChecked(true);
    functionMode = mainParameters.function;

    if (!overRange) {
        ui->dimentionsCentralViewLabel->setText(TranslateOptions::instance()->units(functionMode));
        ui->currentValueCentralViewLabel->setText(readingPlaceholder);
        readingShown = false;
    }
    showMainParameterTexts(mainParameters);
    ui->rangeFuctionsComboBox->setCurrentIndex(mainParameters.ranges.indexOf(mainParameters.range)
                                               + 1);
    ui->filterModeComboBox->setCurrentIndex(mainParameters.filter_index);

    displayRange = mainParameters.range;
    if (displayRange <= 0.0 && !mainParameters.ranges.isEmpty())
        displayRange = mainParameters.ranges.last();

    ui->powerFrequencyModeComboBox->setCurrentIndex(mainParameters.power_frequency != 50 ? 1 : 0);
    ui->inputImpedanceModeComboBox->setCurrentIndex(mainParameters.impedance ? 1 : 0);

    integrationTime = mainParameters.integration_time;
    packageDuration = mainParameters.point_count * integrationTime;
    if (packageDuration > scanTime) {
        fitScanTimeToPackage();
        setTimeAxis();
        ui->plotWidget->replot();
    }
    showScanTime();

    // Not blocked: either may report its value back, which the view takes as a request.
    ui->triggerVekDoubleSwitch->setChecked(mainParameters.rise_fall);
    ui->delayPulseTriggerDoubleSpinBox->setValue(mainParameters.delay_time);

    blockMainGroupUiSignals(false);
    checkEnableWidgets();
}

void DigitalMultimeterWidget::showMainParameterTexts(const DigitalGeneratorMainParameters &record)
{
    const TranslateOptions *texts = TranslateOptions::instance();
    ui->modeCentralViewLabel->setText(texts->displayType(record.function));

    ui->rangeFuctionsComboBox->clear();
    ui->rangeFuctionsComboBox->addItem(tr("Auto"));
    const QString rangeUnit = texts->rangeUnits(record.function);
    for (double range : record.ranges)
        ui->rangeFuctionsComboBox->addItem(normalizeDimentions(range, rangeUnit, false, -1));

    ui->filterModeComboBox->clear();
    for (int frequency : filterValues)
        ui->filterModeComboBox->addItem(normalizeDimentions(frequency, tr("Hz"), false, -1));

    ui->countViewAcquisitionLabel->setText(
            tr("%1 samples").arg(QString::number(record.point_count)));
    ui->timeViewAcquisitionLabel->setText(
            normalizeDimentions(record.integration_time, tr("s"), false, -1));
    fitTopRowTexts();
}

void DigitalMultimeterWidget::fitTopRowTexts()
{
    const QString seconds = tr("s");
    fitValueLabel(ui->scanTimeViewLabel,
                  secondsTexts(ScanTimeList, seconds) << ui->scanTimeViewLabel->text());
    fitValueLabel(ui->timeViewAcquisitionLabel,
                  secondsTexts(hz50IntegrationTime + hz60IntegrationTime + frequencyIntegrationTime,
                               seconds)
                          << ui->timeViewAcquisitionLabel->text());
    fitValueLabel(ui->countViewAcquisitionLabel,
                  {tr("%1 samples").arg(widestPointCount), ui->countViewAcquisitionLabel->text()});
    // A name longer than the form gives a start button widens it, clear of its frame.
    for (QToolButton *button : {ui->singleStartModeToolButton, ui->autoStartModeToolButton,
                                ui->normalStartModeToolButton, ui->stopStartModeToolButton})
        button->setMinimumWidth(std::max(startButtonWidth,
                                         button->fontMetrics().horizontalAdvance(button->text())
                                                 + startButtonFrame));
}

void DigitalMultimeterWidget::retranslateMainParameters()
{
    retranslateReading();
    // Before the first record the lists are the generated form's own, which it re-says itself.
    if (!lastMainParameters) {
        ui->modeCentralViewLabel->setText(TranslateOptions::instance()->displayType(functionMode));
        return;
    }
    blockMainGroupUiSignals(true);
    const int range = ui->rangeFuctionsComboBox->currentIndex();
    const int filter = ui->filterModeComboBox->currentIndex();
    showMainParameterTexts(*lastMainParameters);
    ui->rangeFuctionsComboBox->setCurrentIndex(range);
    ui->filterModeComboBox->setCurrentIndex(filter);
    showScanTime();
    blockMainGroupUiSignals(false);
}

void DigitalMultimeterWidget::retranslateReading()
{
    if (overRange) {
        ui->currentValueCentralViewLabel->setText(tr("    OVER"));
        return;
    }
    const QString unit = TranslateOptions::instance()->units(functionMode);
    ui->dimentionsCentralViewLabel->setText(
            readingShown ? getValueDimentionList(0.0, displayRange, unit).value(1) : unit);
}

void DigitalMultimeterWidget::setAdditionalParameters(
        const DigitalGeneratorAdditionalParameters &additionalParameters)
{
    blockAdditionalGroupUiSignals(true);
    ui->autoZeroComboBox->setCurrentIndex(additionalParameters.auto_zero);
    blockAdditionalGroupUiSignals(false);
}

void DigitalMultimeterWidget::setUiParameters(const DigitalGeneratorUIParameters &uiParameters)
{
    const int last = ScanTimeList.size() - 1;
    scanTimeIndex = qBound(0, scanTimeIndex, last);
    const double requested = std::round(uiParameters.scanTime);
    while (scanTimeIndex < last && requested > std::round(ScanTimeList.at(scanTimeIndex)))
        ++scanTimeIndex;
    scanTime = ScanTimeList.at(scanTimeIndex);
    showScanTime();
    setTimeAxis();
    ui->plotWidget->replot();
}

void DigitalMultimeterWidget::checkEnableWidgets()
{
    changeEnableFilter();
    changeEnableImpedance();
    changeEnableZero();
}

void DigitalMultimeterWidget::changeEnableFilter()
{
    ui->filterModeComboBox->setEnabled(functionMode == FunctionAcVoltage
                                       || functionMode == FunctionAcCurrent);
}

void DigitalMultimeterWidget::changeEnableImpedance()
{
    ui->inputImpedanceModeComboBox->setEnabled(functionMode == FunctionDcVoltage);
}

void DigitalMultimeterWidget::changeEnableZero()
{
    ui->autoZeroComboBox->setEnabled(
            functionMode == FunctionFourWireResistance || functionMode == FunctionTwoWireResistance
            || functionMode == FunctionDcVoltage || functionMode == FunctionDcCurrent);
}

void DigitalMultimeterWidget::fitScanTimeToPackage()
{
    const int last = ScanTimeList.size() - 1;
    if (scanTimeIndex > last || scanTimeIndex < 0)
        scanTimeIndex = last;
    if (packageDuration > ScanTimeList.at(scanTimeIndex)) {
        while (scanTimeIndex < last && ScanTimeList.at(scanTimeIndex) < packageDuration)
            ++scanTimeIndex;
    }
    scanTime = ScanTimeList.at(scanTimeIndex);
}

void DigitalMultimeterWidget::showScanTime()
{
    ui->scanTimeViewLabel->setText(normalizeDimentions(scanTime, tr("s"), false, -1));
    fitTopRowTexts();
}

void DigitalMultimeterWidget::setTimeAxis()
{
    const double first = history.times.empty() ? 0.0 : history.times.front();
    ui->plotWidget->setAxisScale(QwtPlot::xBottom, first, first + scanTime, 0);
}

void DigitalMultimeterWidget::upScanTime()
{
    scanTimeIndex = std::min(scanTimeIndex + 1, int(ScanTimeList.size()) - 1);
    scanTime = ScanTimeList.at(scanTimeIndex);
    fitScanTimeToPackage();
    showScanTime();
    setTimeAxis();
    ui->plotWidget->replot();
    emit scanTimeChaged(scanTime);
}

void DigitalMultimeterWidget::downScanTime()
{
    scanTimeIndex = std::max(scanTimeIndex - 1, 0);
    scanTime = ScanTimeList.at(scanTimeIndex);
    fitScanTimeToPackage();
    showScanTime();
    setTimeAxis();
    ui->plotWidget->replot();
    emit scanTimeChaged(scanTime);
}

void DigitalMultimeterWidget::showSettings()
{
    EvaluateSettingsWidget dialog({QString()}, {AllEvaluationTypeSet});
    dialog.setDefaultSettings({evaluationTypes});
    dialog.exec();
    const std::vector<std::vector<EvaluationType>> result = dialog.getEvaluations();
    const std::vector<EvaluationType> chosen = result.empty() ? evaluationTypes : result.front();
    if (chosen != evaluationTypes) {
        evaluationTypes = chosen;
        emit evaluationTypesChanged(evaluationTypes);
    }
}

void DigitalMultimeterWidget::clearHistory()
{
    history.clear();
}

void DigitalMultimeterWidget::stopDisplayTimer()
{
    if (displayTimerId != 0)
        killTimer(displayTimerId);
    displayTimerId = 0;
}

void DigitalMultimeterWidget::releaseStartButtons()
{
    ui->singleStartModeToolButton->setDown(false);
    ui->autoStartModeToolButton->setDown(false);
    ui->normalStartModeToolButton->setDown(false);
}

void DigitalMultimeterWidget::displayStartMode(MeasurementType type)
{
    releaseStartButtons();
    ui->singleStartModeToolButton->setChecked(type == MeasurementOnePackage);
    ui->autoStartModeToolButton->setChecked(type == MeasurementContinuous);
    ui->normalStartModeToolButton->setChecked(type == MeasurementTriggered);
}

void DigitalMultimeterWidget::displayStopMode()
{
    ui->singleStartModeToolButton->setChecked(false);
    ui->autoStartModeToolButton->setChecked(false);
    ui->normalStartModeToolButton->setChecked(false);
    releaseStartButtons();
    ui->stopStartModeToolButton->setDown(false);
}

void DigitalMultimeterWidget::singleStartModeHandler()
{
    ui->forceTriggersPushButton->setEnabled(false);
    clearHistory();
    displayStartMode(MeasurementOnePackage);
    singleMode = true;
    emit start(MeasurementOnePackage);
}

void DigitalMultimeterWidget::autoStartModeHandler()
{
    ui->forceTriggersPushButton->setEnabled(false);
    clearHistory();
    displayStartMode(MeasurementContinuous);
    // One display timer at most: a second Auto replaces the running one.
    stopDisplayTimer();
    displayTimerId = startTimer(200, Qt::CoarseTimer);
    emit start(MeasurementContinuous);
}

void DigitalMultimeterWidget::cycleStartModeHandler()
{
    displayStartMode(MeasurementTriggered);
    clearHistory();
    ui->forceTriggersPushButton->setEnabled(true);
    emit start(MeasurementTriggered);
}

void DigitalMultimeterWidget::stopModeHandler()
{
    singleMode = false;
    ui->forceTriggersPushButton->setEnabled(false);
    stopDisplayTimer();
    displayStopMode();
    clearHistory();
    emit stopDevice();
}
