#pragma once

#include "resources/digitalmultimeterparameters.h"
#include "resources/evaluationtype.h"
#include "views/multimeter/multimeterhistory.h"

#include <QColor>
#include <QElapsedTimer>
#include <QMap>
#include <QRecursiveMutex>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class MeasurementsButton;
class MeasurementsStrip;
class QButtonGroup;
class QTimer;
class QVariant;
class QwtPlotCurve;
namespace Ui {
class DigitalMultimeterWidget;
}

// Sets a dynamic property and re-polishes the widget, so style-sheet rules on it apply now.
void setWidgetProperty(const char *name, const QVariant &value, QWidget *widget);

// The scan times of the history plot, in seconds.
extern const QVector<double> ScanTimeList;

// The multimeter's full form: function, range, acquisition, trigger and mode controls, the
// start modes, the big reading, the history plot and the evaluation panel. It only shows the
// records the view hands it and asks for changes by signals; it never calls the resource.
// Construction, events and connections live in digitalmultimeterwidget.cpp, the record and
// control handling in digitalmultimeterwidgetcontrols.cpp, the reading, history and
// evaluation panel in digitalmultimeterwidgetdisplay.cpp.
class DigitalMultimeterWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DigitalMultimeterWidget(QWidget *parent = nullptr);
    ~DigitalMultimeterWidget() override;

signals:
    void evaluationTypesChanged(std::vector<EvaluationType> types);
    void functionModeChanged(FunctionsMode mode);
    void rangeChanged(double range);
    void impedanceStateChanged(bool isOn);
    void powerFrequencyChanged(int powerFrequencyIndex);
    void filterChanged(int frequencyIndex);
    void autoZeroStateChanged(int index);
    void riseFallStateChanged(bool isFall);
    void delayTimeChanged(double value);
    void upIntegrationTime();
    void downIntegrationTime();
    void upPointCount();
    void downPointCount();
    void scanTimeChaged(double time);
    void stopDevice();
    void start(MeasurementType startType);
    void startAutoZero();
    void forceTriggers();

public slots:
    void setDigitalMultimeterData(double time, QVector<double> data);
    void setMainParameters(const DigitalGeneratorMainParameters &mainParameters);
    void setAdditionalParameters(const DigitalGeneratorAdditionalParameters &additionalParameters);
    void setUiParameters(const DigitalGeneratorUIParameters &uiParameters);
    void setOverData(double timeStart, int pointCount);
    void setEvaluationValues(std::vector<EvaluationType> types,
                             QMap<EvaluationType, double> values);
    void setEvaluationTypes(std::vector<EvaluationType> evalutionTypes);

private slots:
    void setFunctionMode(int mode);
    void changeRangeIndex(int index);
    void changeZero(int index);
    void changeFilter(int index);
    void changeImpedance(int index);
    void changePowerFrequency(int index);
    void upScanTime();
    void downScanTime();
    void showSettings();
    void changeEnableZero();
    void changeEnableFilter();
    void changeEnableImpedance();
    void singleStartModeHandler();
    void cycleStartModeHandler();
    void autoStartModeHandler();
    void stopModeHandler();

protected:
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void makeConnections();
    void blockMainGroupUiSignals(bool block);
    // The texts and lists the form makes of a main record, without their selections.
    void showMainParameterTexts(const DigitalGeneratorMainParameters &record);
    // Those texts again in the current language, from the last record, selections kept.
    void retranslateMainParameters();
    // The reading's unit and the over-range word in the current language, the reading kept.
    void retranslateReading();
    void blockAdditionalGroupUiSignals(bool block);
    void checkEnableWidgets();
    void displayStartMode(MeasurementType type);
    void displayStopMode();
    void releaseStartButtons();
    void fitScanTimeToPackage();
    // Each acquisition value as wide as its widest text, and each start button as wide as its
    // name, in the current font and language.
    void fitTopRowTexts();
    void showScanTime();
    void setTimeAxis();
    void clearHistory();
    void stopDisplayTimer();

    void displayDataInViewLabel();
    void displayDataInPlot(double time, QVector<double> data);
    void recreateEvalutionPanel(int count);
    void setValueLabelRule(const QString &rule);
    void applyTheme();
    void applyCurvePen();
    void requestHistoryReplot();
    void replotHistory();

    std::optional<DigitalGeneratorMainParameters> lastMainParameters;
    FunctionsMode functionMode = FunctionDcVoltage;
    double integrationTime = 0.0;
    bool singleMode = false;
    bool forcedTrigger = false;
    double displayRange = 0.1;
    bool continuityHighlight = false;
    bool overRange = false;
    // A reading (not the placeholder) is on the display; its unit carries its range's prefix.
    bool readingShown = false;
    QColor curveColor;
    std::vector<EvaluationType> evaluationTypes;
    std::vector<MeasurementsButton *> measurementButtons;
    MeasurementsStrip *measurementsStrip = nullptr;
    double scanTime = 0.0;
    double packageDuration = 0.0;
    // The start buttons' width in the form, which a longer name widens.
    int startButtonWidth = 0;
    int scanTimeIndex = 0;
    QwtPlotCurve *curve = nullptr;
    MultimeterHistory history;
    int displayTimerId = 0;
    Ui::DigitalMultimeterWidget *ui;
    std::unique_ptr<QRecursiveMutex> dataMutex;
    QButtonGroup *functionButtonGroup = nullptr;
    // Packages come up to every 5 ms, far more often than a screen shows frames: the history
    // is rebuilt for every package but painted at most once per replot interval, and the
    // newest package is always painted.
    QElapsedTimer lastReplot;
    QTimer *replotTimer = nullptr;
};
