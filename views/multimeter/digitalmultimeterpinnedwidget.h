#pragma once

#include "resources/digitalmultimeterparameters.h"

#include <QRecursiveMutex>
#include <QVector>
#include <QWidget>

#include <memory>

namespace Ui {
class DigitalMultimeterPinnedWidget;
}

// The multimeter's miniature: the last reading in large digits and a range selector. Data
// packages are only stored; a 200 ms display timer, running while a measurement runs, draws
// the last reading against the range in force.
class DigitalMultimeterPinnedWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DigitalMultimeterPinnedWidget(QWidget *parent = nullptr);
    ~DigitalMultimeterPinnedWidget() override;

    void blockMainGroupUiSignals(bool block);

signals:
    void functionModeChanged(FunctionsMode mode);
    void rangeChanged(double range);

public slots:
    void setDigitalMultimeterData(double time, QVector<double> data);
    void setMainParameters(const DigitalGeneratorMainParameters &mainParameters);
    void setOverData();
    void startMeasurments();
    void stopMeasurments();

protected:
    void timerEvent(QTimerEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void changeRangeIndex(int index);
    void setValueLabelRule(const QString &rule);
    // An entry of the range list in the current language.
    QString rangeText(double entry) const;
    // The reading's unit and the over-range word in the current language, the reading kept.
    void retranslateReading();
    // Each reading label as wide as its widest text (a full-scale reading of any of the
    // function's ranges or a wider one drawn, the over-range word, the function's unit with the
    // prefix of any of its ranges) in its font and the current language, so the row never
    // squeezes the reading when it changes.
    void fitReadingLabels();
    // The range box as wide as its widest entry needs beside its arrow.
    void fitRangeBox();

    Ui::DigitalMultimeterPinnedWidget *ui;
    FunctionsMode functionMode = FunctionDcVoltage;
    double range = 0.1;
    // The ranges the list offers after its automatic entry.
    QVector<double> rangeEntries;
    bool continuityHighlighted = false;
    bool overRange = false;
    // A reading has been drawn since the last record; its unit carries its range's prefix.
    bool readingShown = false;
    // The widest reading drawn since the last record, where it passed its range's full scale.
    QString widestShown;
    std::unique_ptr<QRecursiveMutex> mutex;
    int displayTimerId = 0;
    double lastValue = 0.0;
};
