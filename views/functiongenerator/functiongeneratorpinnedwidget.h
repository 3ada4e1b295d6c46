#pragma once

#include "resources/functiongeneratoroptions.h"

#include <QWidget>

#include <cstddef>
#include <memory>

namespace Ui {
class FunctionGeneratorPinnedWidget;
}

// The generator's miniature on the workspace: per channel an enable box, the waveform's icon
// and one value (the frequency, or the DC offset for the level and for arbitrary waveforms),
// and a power button. It keeps its own copy of both channels' options, so an edit is sent as
// the whole block that holds it; the setters show state from outside and request nothing.
class FunctionGeneratorPinnedWidget : public QWidget
{
    Q_OBJECT
public:
    explicit FunctionGeneratorPinnedWidget(QWidget *parent = nullptr);
    ~FunctionGeneratorPinnedWidget() override;

    // The form has two channel rows, each with its record whatever the count; rows at or above
    // the count are hidden and send nothing.
    void setChanelCount(unsigned int count);
    void setMode(FunctionGeneratorMode mode);
    void setStandardFunction(unsigned int channel, FunctionGeneratorStandardFunction function);
    void setStandardFunctionOptions(unsigned int channel,
                                    const FunctionGeneratorStartardFunctionOptions &options);
    void setOutputOptions(unsigned int channel, const FunctionGeneratorOutputOptions &options);
    void setChannelEnable(unsigned int channel, bool enable);
    void displayStartMode(FunctionGeneratorStartType startType);
    void displayStopMode();

public slots:
    void setVisible(bool visible) override;

signals:
    void standardFuntionOptionsChanged(
            size_t channel,
            const FunctionGeneratorStartardFunctionOptions &standardFunctionOptions);
    void outputOptionsChanged(size_t channel, const FunctionGeneratorOutputOptions &outputOptions);
    void channelEnableChanged(size_t channel, bool enable);
    void startRequested(FunctionGeneratorStartType startType);
    void stopRequested();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void processChangesOfFunctionOptions(int channel);
    void processChangesOfOutputOptions(int channel);
    void proceesChangesOfChannelEnable(size_t channel);

private:
    friend class TestFunctionGeneratorPinnedWidget;
    struct Internal;

    void connectUserInteractionToSignals();
    void updateStyle();
    void updateIcon(unsigned int channel);
    void showFrequency(unsigned int channel);
    void recalcValueColumn();
    void recalcAllColumns();
    void applyColumnWidth(int column, int width);

    std::unique_ptr<Ui::FunctionGeneratorPinnedWidget> ui;
    std::unique_ptr<Internal> d;
};
