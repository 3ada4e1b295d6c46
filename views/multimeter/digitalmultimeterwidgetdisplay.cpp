// The display side of the form: the big reading, the history plot, the over-range display
// and the evaluation panel.
#include "ui_digitalmultimeterwidget.h"
#include "views/multimeter/digitalmultimeterwidget.h"

#include "ui/viewbase/measurementsbutton.h"
#include "ui/viewbase/measurementsstrip.h"
#include "views/multimeter/dimentiontranslater.h"
#include "views/multimeter/evaluationnames.h"
#include "views/multimeter/translateoptions.h"

#include <QApplication>
#include <QGridLayout>
#include <QMutexLocker>
#include <QPixmap>
#include <QTimer>

#include <qwt_plot_curve.h>

namespace {

const QString continuityRule =
        QStringLiteral(".QLabel{border: 5px solid #90CAF9; font-size: 48px;}");
const QString plainRule = QStringLiteral(".QLabel{border: none; font-size: 48px;}");
constexpr double continuityLimit = 100.0;
constexpr double overRangeFactor = 1.1;
// 25 frames a second at most; the reading itself refreshes every 200 ms.
constexpr qint64 replotIntervalMs = 40;

} // namespace

void DigitalMultimeterWidget::setValueLabelRule(const QString &rule)
{
    // On top of the application's sheet, so the theme's rules stay in force.
    ui->currentValueCentralViewLabel->setStyleSheet(qApp->styleSheet() + rule);
}

void DigitalMultimeterWidget::setDigitalMultimeterData(double time, QVector<double> data)
{
    overRange = false;
    displayDataInPlot(time, data);
    if (singleMode) {
        singleMode = false;
        const QSignalBlocker blocker(ui->stopStartModeToolButton);
        displayStopMode();
    }
}

void DigitalMultimeterWidget::setOverData(double timeStart, int pointCount)
{
    if (functionMode == FunctionContinuity) {
        if (!continuityHighlight)
            setValueLabelRule(continuityRule);
        continuityHighlight = true;
    } else {
        setValueLabelRule(plainRule);
        continuityHighlight = false;
    }
    ui->currentValueCentralViewLabel->setText(tr("    OVER"));
    ui->dimentionsCentralViewLabel->setText(QString());
    overRange = true;
    displayDataInPlot(timeStart,
                      QVector<double>(std::max(pointCount, 0), overRangeFactor * displayRange));
    if (singleMode) {
        singleMode = false;
        const QSignalBlocker blocker(ui->stopStartModeToolButton);
        displayStopMode();
    }
}

void DigitalMultimeterWidget::displayDataInPlot(double time, QVector<double> data)
{
    QMutexLocker locker(dataMutex.get());
    history.append(time, data, integrationTime);
    // The old curve dies here: nothing below may touch a pointer taken before.
    ui->plotWidget->clearCurves();
    curve = nullptr;
    history.trim(scanTime, integrationTime);
    curve = ui->plotWidget->addCurve(QString());
    applyCurvePen();
    ui->plotWidget->setMajorXGridLineVisible(true);
    ui->plotWidget->setMajorYGridLineVisible(true);
    ui->plotWidget->setMinorXGridLineVisible(true);
    ui->plotWidget->setMinorYGridLineVisible(true);
    curve->setSamples(historyPoints(history));
    if (!history.times.empty())
        setTimeAxis();
    curve->show();
    requestHistoryReplot();
    if (singleMode || forcedTrigger) {
        displayDataInViewLabel();
        forcedTrigger = false;
    }
    // Another package or a display tick may arrive in here; the mutex is recursive and no
    // iterator or curve pointer of this call is used afterwards.
    QCoreApplication::processEvents();
}

void DigitalMultimeterWidget::requestHistoryReplot()
{
    if (!lastReplot.isValid() || lastReplot.elapsed() >= replotIntervalMs) {
        replotTimer->stop();
        replotHistory();
    } else if (!replotTimer->isActive()) {
        replotTimer->start(int(replotIntervalMs - lastReplot.elapsed()));
    }
}

void DigitalMultimeterWidget::replotHistory()
{
    lastReplot.start();
    ui->plotWidget->replot();
}

void DigitalMultimeterWidget::displayDataInViewLabel()
{
    QMutexLocker locker(dataMutex.get());
    if (overRange || history.values.empty())
        return;
    const QString unit = TranslateOptions::instance()->units(functionMode);
    const double last = history.values.back();
    const QStringList texts = getValueDimentionList(last, displayRange, unit);
    ui->currentValueCentralViewLabel->setText(texts.value(0));
    ui->dimentionsCentralViewLabel->setText(texts.value(1));
    readingShown = true;
    if (functionMode == FunctionContinuity && last > continuityLimit) {
        if (!continuityHighlight)
            setValueLabelRule(continuityRule);
        continuityHighlight = true;
        return;
    }
    if (continuityHighlight) {
        continuityHighlight = false;
        setValueLabelRule(plainRule);
    }
}

void DigitalMultimeterWidget::setEvaluationTypes(std::vector<EvaluationType> evalutionTypes)
{
    if (evalutionTypes == evaluationTypes)
        return;
    evaluationTypes = evalutionTypes;
    emit evaluationTypesChanged(evaluationTypes);
}

void DigitalMultimeterWidget::setEvaluationValues(std::vector<EvaluationType> types,
                                                  QMap<EvaluationType, double> values)
{
    if (types.size() != measurementButtons.size())
        recreateEvalutionPanel(int(types.size()));
    const QString unit = TranslateOptions::instance()->units(functionMode);
    const size_t count = std::min(types.size(), measurementButtons.size());
    for (size_t i = 0; i < count; ++i) {
        MeasurementsButton *button = measurementButtons[i];
        button->setMeasurementName(getEvaluationViewName(types[i]));
        button->setUnits(getEvaluationViewDimentions(types[i], unit));
        button->setValue(values.value(types[i], 0.0));
    }
}

void DigitalMultimeterWidget::recreateEvalutionPanel(int count)
{
    auto *grid = qobject_cast<QGridLayout *>(ui->measurementsGridWidget->layout());
    if (!grid)
        return;
    {
        const QSignalBlocker blocker(grid);
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                QLayoutItem *item = grid->itemAtPosition(row, column);
                if (item && item->widget()) {
                    QWidget *widget = item->widget();
                    grid->removeWidget(widget);
                    widget->hide();
                    widget->deleteLater();
                }
            }
        }
    }
    measurementButtons.clear();
    QPixmap mark(5, 5);
    mark.fill(curveColor);
    for (int i = 0; i < count; ++i) {
        auto *button = new MeasurementsButton(ui->measurementsGridWidget);
        grid->addWidget(button, i % MeasurementsStrip::rows, i / MeasurementsStrip::rows);
        measurementButtons.push_back(button);
        button->setIcon(QIcon(mark));
        button->setIconSize(QSize(5, 5));
        button->setProperty("measurementsButton", true);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
    measurementsStrip->setButtons(measurementButtons);
}
