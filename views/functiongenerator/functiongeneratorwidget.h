#pragma once

#include "resources/functiongeneratoroptions.h"

#include <QVector>
#include <QWidget>

#include <cstddef>
#include <memory>
#include <set>
#include <vector>

class QColor;

namespace Ui {
class FunctionGeneratorWidget;
}

// The full panel of a two-channel function generator: the standard function or arbitrary
// waveform of each channel with its parameters, modulation, output options, trigger and start
// modes, and a preview of every channel's signal. It keeps its own copy of every channel's
// options and shows the current channel's in its controls.
//
// The setters show state that comes from outside (the resource, the pinned miniature); they
// block the panel's signals, so nothing they show is requested back. User edits update the
// copy, redraw the preview and emit one request with the channel's whole record.
//
// The implementation is split by concern: construction and events here, the setters and
// display helpers in functiongeneratorwidgetdisplay.cpp, user edits and requests in
// functiongeneratorwidgetedits.cpp, the waveform files in functiongeneratorwidgetwaveform.cpp,
// the preview in functiongeneratorwidgetpreview.cpp.
class FunctionGeneratorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FunctionGeneratorWidget(QWidget *parent = nullptr);
    ~FunctionGeneratorWidget() override;

    void setChannelsCount(unsigned int count);
    void setSupportedFunctions(const std::set<FunctionGeneratorStandardFunction> &functions);
    void setSupportedRanges(const std::set<unsigned int> &ranges);
    void setSupportedImpedance(const std::vector<double> &values);
    void setChannelEnable(int channel, bool enable);
    void setStandardFunction(unsigned int channel, FunctionGeneratorStandardFunction function);
    void setStandardFunctionOptions(unsigned int channel,
                                    const FunctionGeneratorStartardFunctionOptions &options);
    void setOutputOptions(unsigned int channel, const FunctionGeneratorOutputOptions &options);
    void setModulationOptions(unsigned int channel,
                              const FunctionGeneratorModulationOptions &options);
    void setAWGOptions(unsigned int channel, const FunctionGeneratorAWGOptions &options);
    void setTriggerOptions(const FunctionGeneratorTriggerOptions &options);
    void setMode(FunctionGeneratorMode mode);
    void displayStartMode(FunctionGeneratorStartType startType);
    void displayStopMode();

public slots:
    void setVisible(bool visible) override;

signals:
    void standardFunctionChanged(size_t channel,
                                 FunctionGeneratorStandardFunction standardFunction);
    void standardFuntionOptionsChanged(
            size_t channel,
            const FunctionGeneratorStartardFunctionOptions &standardFunctionOptions);
    void outputOptionsChanged(size_t channel, const FunctionGeneratorOutputOptions &outputOptions);
    void triggerOptionsChanged(const FunctionGeneratorTriggerOptions &triggerOptions);
    void modulationOptionsChanged(size_t channel,
                                  const FunctionGeneratorModulationOptions &modulationOptions);
    void channelEnableChanged(size_t channel, bool enable);
    void awgOptionsChanged(size_t channel, const FunctionGeneratorAWGOptions &options);
    void modeChanged(FunctionGeneratorMode mode);
    void startRequested(FunctionGeneratorStartType startType);
    void stopRequested();
    void forceTriggerRequested();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void processChangesOfStandardFunction();
    void processChangesOfFunctionOptions();
    void processChangesOfOutputOptions();
    void processChangesOfTriggerOptions();
    void processChangesOfModulationOptions();
    void proceesChangesOfChannelEnable(size_t channel);
    void processChangesOfCurrentChannel(int channel);
    void processChangesOfMode(FunctionGeneratorMode mode);
    void processChangesOfAwgDataFile(int index);
    void processChangesOfAwgDataChannel(int index);
    void displayFunction(unsigned int channel);
    void updateFunctionOptionsPage();
    void setFunctionMode(int id);
    void browseAWGData();
    void setAwgFile(size_t channel, const QString &file);
    void updateAmplitudeSlider();
    void processChangesOfAmplitudeSlider();

private:
    friend class TestFunctionGeneratorWidget;
    friend class TestFunctionGeneratorEdits;
    friend class TestFunctionGeneratorWaveform;
    struct Internal;

    // construction and events
    void setUpModelsAndMappers();
    void setUpPlot();
    void configureButtonGroups();
    void configureChannelsCheckBox();
    void retranslateValueTexts();
    void applyTheme();

    // display helpers
    void updateModulationOptionsPage();
    void updateModePage();
    void setImpedanceValue(double value);
    void updateImpedanceValueLabelWidth();
    void recalcOptionSizes();
    void displayAll();
    int standardFunction() const;
    double validateValue(const FunctionGeneratorValueLimits &range, double value) const;

    // user edits
    void processInternalChanges();
    void connectUserInteractionToSignals();
    void switchMode(FunctionGeneratorMode mode);
    void immediateStartButtonHandler();
    void delayedStartButtonHandler();
    void triggerStartButtonHandler();
    void stopButtonClickHandler();

    // waveform files
    void setUpWaveformFiles();
    void releaseWaveformPins();
    bool checkFile(const QString &path);
    bool checkAWGOptions(const FunctionGeneratorAWGOptions &options);
    void setAwgSignalNames(int row);
    void updateAwgDataChannel(int row);
    void updateChannelsState();
    int selectorToRow(int index) const;
    int rowToSelector(int row) const;
    void changeWaveformFile(FunctionGeneratorAWGOptions &options, const QString &file);
    void refreshPreview();
    void showCurrentWaveformFile();
    void showCurrentWaveform();

    // preview
    void calculateTime();
    void createDecimatedSignal(int budget, double amplitude, QVector<double> &x,
                               QVector<double> &y);
    QVector<double> modulateSineSignal(unsigned int channel, const QVector<double> &x,
                                       const QVector<double> &y0);
    void setChannelColors(const std::vector<QColor> &colors);
    void setCurvesZOrder();
    double selectedSampleRate() const;
    QVector<double> awgSamples(std::size_t channel) const;

    std::unique_ptr<Ui::FunctionGeneratorWidget> ui;
    std::unique_ptr<Internal> d;
};
