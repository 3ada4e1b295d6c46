#pragma once

#include "resources/digitaloscilloscopeparameters.h"
#include "resources/evaluationtype.h"
#include "views/oscilloscope/channelcontrols.h"
#include "views/oscilloscope/division.h"
#include "views/oscilloscope/oscilloscopescales.h"

#include <QColor>
#include <QMap>
#include <QString>
#include <QVector>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ChannelPanelSettingsWidget;
class MeasurementsButton;
class MeasurementsStrip;
class CustomPlot;
class MathChannelPanelSettingsWidget;
class PlotArea;
class TriggerPanelSettingsWidget;

namespace Ui {
class DigitalOscilloscopeWidget;
}

// The oscilloscope view's full-screen panel: start modes, time base, trigger bar, the three
// channel rows and the measurement strip around the plot area. It never calls the resource: it
// keeps its own copy of every parameter record and announces each change by signal; the view
// feeds the resource's frames, limits and stored records back through the public operations.
// Rows are numbered 0 (channel 1), 1 (channel 2) and 2 (math channel) everywhere.
//
// The implementation is split by concern: construction, form and events in
// digitaloscilloscopewidget.cpp; setters and state (time base, vertical scales, stored records)
// in digitaloscilloscopewidgetstate.cpp; the edit handlers, request signals and the one
// function that makes the connections in digitaloscilloscopewidgethandlers.cpp.
class DigitalOscilloscopeWidget : public QWidget
{
    Q_OBJECT
public:
    static const int channelCount;
    static const std::vector<double> horizontalDivisions;
    static const std::vector<double> verticalDivisions;
    // 0 in the panel's start mode: no acquisition runs.
    static constexpr int stoppedMode = 0;

    explicit DigitalOscilloscopeWidget(QWidget *parent = nullptr);
    ~DigitalOscilloscopeWidget() override;

    // Time base and acquisition.
    double getPeriodValue() const;
    double getScanTimeValue() const;
    void setHDivision(int index);
    void setDefaultHorizontalIndex(int index);
    void setMaximumPointCount(quint64 limit);
    void setRoundPeriodFunction(std::function<double(double, double)> function);
    void setDefaultTime(DigitalOscilloscopeTimeParameters parameters);
    void changeMeasurementTime();
    void setDefaultTrigger(DigitalOscilloscopeTriggerParameters parameters);
    void changePrehistorySettings();
    void changePrehistory();
    void setPrehistory(double value);
    void singleStartModeHandler();
    void cycleStartModeHandler();
    void autoStartModeHandler();
    void stopModeHandler();
    void displayStartMode(DigitalOscilloscopeStartType mode);
    void displayStopMode();
    void startDefaultMode();
    void setOscilloscopeData(double time, QVector<QVector<double>> &data);
    void showOverDriveWarning();

    // Vertical scales and channel rows.
    void changePlotVDivision(int channel, bool raised);
    void setDefaultChannelZooms(std::vector<int> indexes);
    void setDefaultDivisions();
    void setState(int channel, bool on);
    void setDefaultChannels(std::vector<DigitalOscilloscopeChannelParameters> parameters);
    void setDefaultMath(DigitalOscilloscopeMathChannelParameters parameters);
    void changeRange(int channel);
    void setSupportedRanges(std::vector<double> ranges);
    void setSupportedFilters(std::vector<std::pair<double, QString>> filters);
    void setSupportedImpedances(const std::vector<DigitalOscilloscopeImpedanceType> &impedances);
    void setSupportedEventMode(const std::vector<DigitalOscilloscopeEventMode> &modes);
    void setChannelColors(std::vector<QColor> colors);

    // Dialogs and controls.
    void openTriggerSettings();
    void setTriggerSource(bool secondChannel);
    void openChannelSettings(int channel);
    void setParametersWidgets();
    void setParametersWidgetEnabled(int channel, bool enabled);
    void setParametersWidgetsConnections();
    void setPlotWidget();
    void setPlotArea();
    // One pinch gesture update on the plot: a step of the time base once the total scale moved
    // more than a factor 1.5 from the last step's.
    void applyPinch(Qt::GestureState state, bool scaleChanged, double totalScaleFactor,
                    double scaleFactor);

    // The measurement strip: one list of evaluations per row, and their values from the view.
    void setEvaluationTypes(std::vector<std::vector<EvaluationType>> types);
    void showSettings();
    void setEvaluationValues(const std::vector<std::vector<EvaluationType>> &types,
                             const std::vector<QMap<EvaluationType, double>> &values);
    const std::vector<std::vector<EvaluationType>> &evaluationTypes() const
    {
        return m_evaluationTypes;
    }
    const std::vector<std::vector<MeasurementsButton *>> &measurementButtons() const
    {
        return m_measurementButtons;
    }

    // Export: the picture of the plot and the last frame's samples, offered under the device
    // name and the time in the folder of the last save.
    void setDeviceName(const QString &name);
    QString deviceName() const { return m_deviceName; }
    QString exportFolder() const { return m_exportFolder; }
    QString defaultExportPath(const QString &extension) const;
    void picture();
    void exportData();

    // What the panel holds now, for the view and for tests.
    int timeDivisionIndex() const { return m_timeDivisionIndex; }
    const std::vector<int> &voltDivisionIndexes() const { return m_voltDivisionIndexes; }
    int startMode() const { return m_startMode; }
    quint64 maximumPointCount() const { return m_maximumPointCount; }
    const DigitalOscilloscopeTriggerParameters &triggerParameters() const
    {
        return m_triggerParameters;
    }
    const std::vector<DigitalOscilloscopeChannelParameters> &channelParameters() const
    {
        return m_channelParameters;
    }
    const DigitalOscilloscopeMathChannelParameters &mathChannelParameters() const
    {
        return m_mathChannelParameters;
    }
    const std::vector<QColor> &channelColors() const { return m_channelColors; }
    TriggerPanelSettingsWidget *triggerSettings() const { return m_triggerSettings; }
    CustomPlot *plot() const { return m_plot; }
    PlotArea *plotArea() const { return m_plotArea; }

signals:
    void startMeasurement(DigitalOscilloscopeStartType mode);
    void stopMeasurement();
    void channelParametersChanged(DigitalOscilloscopeChannelParameters parameters);
    void mathChannelParametersChanged(DigitalOscilloscopeMathChannelParameters parameters);
    void timeParametersChanged(DigitalOscilloscopeTimeParameters parameters);
    void timePlotParametersChanged(DigitalOscilloscopeTimeParameters parameters);
    void triggerParametersChanged(DigitalOscilloscopeTriggerParameters parameters);
    void triggerForced();
    void prehistoryChanged(double value);
    void dataChanged(double time, QVector<QVector<double>> &data);
    void plotVDivisionChanged(int channel, double zoom);
    void channelZoomChanged(std::vector<int> indexes);
    void channelXIndexChanged(int horizontalIndex);
    void plotHDivisionIncremented();
    void plotHDivisionDecremented();
    void visualDataChanged(double period, const QVector<QVector<double>> &data, int firstIndex,
                           int lastIndex);
    void offsetChanged(int channel, double offset);
    void colorsChahged(std::vector<QColor> colors);
    void evaluationTypesChanged(std::vector<std::vector<EvaluationType>> types);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    using AnalogControls = ChannelControls<ChannelPanelSettingsWidget>;
    using MathControls = ChannelControls<MathChannelPanelSettingsWidget>;

    // The controls of a row; any number past the analog channels is the math row.
    template<typename Apply>
    void forRow(int channel, Apply apply);
    bool isAnalogChannel(int channel) const;
    // The trigger source as a row the panel has; a foreign number reads as channel 1.
    int triggerSourceChannel() const;
    // Full-scale voltage of a channel's range, an index past the list read as the last range;
    // none without ranges.
    std::optional<double> channelRange(int channel) const;
    void emitTimeParameters();
    void startHandler(DigitalOscilloscopeStartType mode);
    void stepTimeDivision(int step);
    void stepVoltDivision(int channel, int step);
    void takeChannelRecord(DigitalOscilloscopeChannelParameters parameters);
    void applyTheme();
    void stepTimeBy(OscilloscopeScales::TimeStep step);
    // ±4 divisions of a row's volts per division, the part of the axis its strip shows.
    std::pair<double, double> scaleSpan(int channel) const;
    void showTriggerLevel(const DigitalOscilloscopeTriggerParameters &parameters);
    // The time mark's range: from one block to the end of the scan of the time base shown.
    void rangeTimeMark();
    void takeMarkerOffset(int channel, double value);
    void recreateEvalutionPanel(std::vector<int> counts);
    // Names and units of the buttons again, in the panel's language.
    void relabelMeasurementButtons();
    void recolorMeasurementButtons();
    void retranslateScales();

    std::vector<double> m_supportedRanges;
    std::vector<AnalogControls> m_channelControls;
    MathControls m_mathChannelControls;
    std::vector<DigitalOscilloscopeChannelParameters> m_channelParameters;
    TriggerPanelSettingsWidget *m_triggerSettings = nullptr;
    DigitalOscilloscopeTriggerParameters m_triggerParameters;
    DigitalOscilloscopeMathChannelParameters m_mathChannelParameters;
    std::unique_ptr<Ui::DigitalOscilloscopeWidget> ui;
    std::atomic<bool> m_singleStopPending {false};
    std::atomic<bool> m_forceTriggerPending {false};
    CustomPlot *m_plot = nullptr;
    PlotArea *m_plotArea = nullptr;
    int m_timeDivisionIndex = OscilloscopeScales::defaultTimeDivisionIndex;
    std::vector<int> m_voltDivisionIndexes;
    Division m_gridDivision;
    int m_minimumPointCount = OscilloscopeScales::minimumPointCount;
    quint64 m_maximumPointCount =
            OscilloscopeScales::maximumPointCount(OscilloscopeScales::defaultPointLimit);
    std::function<double(double, double)> m_roundPeriodFunction;
    int m_startMode = stoppedMode;
    std::atomic<bool> m_pinchActive {false};
    double m_pinchScale = 1.0;
    std::vector<QColor> m_channelColors;
    std::vector<std::vector<EvaluationType>> m_evaluationTypes;
    std::vector<std::vector<MeasurementsButton *>> m_measurementButtons;
    MeasurementsStrip *m_measurementsStrip = nullptr;
    std::vector<QMap<EvaluationType, double>> m_evaluationValues;
    QString m_deviceName;
    QString m_exportFolder;
};
