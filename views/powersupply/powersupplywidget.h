#pragma once

#include "resources/powersupplyoutputoptions.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
namespace Ui {
class PowerSupplyChannelWidget;
class PowerSupplyWidget;
} // namespace Ui

// The power supply's full panel: one block per output channel with the two set points, the
// output switch, the measured values and the regulation mark, and two buttons that switch
// every output. Every edit emits the channel's complete options; the values shown come back
// through the slots with the controls' signals blocked, so only a person's edit is sent.
// A channel outside the blocks is ignored by every operation.
class PowerSupplyWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PowerSupplyWidget(QWidget *parent = nullptr);
    ~PowerSupplyWidget() override;

    void updateStyle();

signals:
    void outputChanged(int channel, PowerSupplyOutputOptions parameters);

public slots:
    // Appends that many blocks to those present.
    void setChannelsCount(unsigned char channelsCount);
    // Limits, the set points in the measured-value labels and the switch; the boxes' values
    // stay, only clamped by the new limits.
    void setOutputOption(int channel, PowerSupplyOutputOptions parameters);
    // The boxes' values and the switch, for options edited elsewhere.
    void setSynchronizeOption(int channel, PowerSupplyOutputOptions parameters);
    // As edits of the controls, without changing them.
    void setVoltage(unsigned char channel, double voltage);
    void setCurrent(unsigned char channel, double current);
    void setEnable(unsigned char channel, bool enable);
    void setCurrentValues(int channel, double voltage, double current);
    void setOverMode(int channel, PowerSupplyModeType mode);

protected slots:
    void startAllChanneles();
    void stopAllChanneles();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The units, marks and readings of a block, each as wide as its widest text.
    static QList<QLabel *> fittedLabels(const Ui::PowerSupplyChannelWidget &form);
    void fitChannelLabels(int channel);
    bool hasChannel(int channel) const;
    void addChannel(int index);
    void connectChannel(int index);
    void emitOutput(int channel);

    QColor m_markColor;
    std::vector<std::unique_ptr<Ui::PowerSupplyChannelWidget>> m_channelForms;
    QList<PowerSupplyOutputOptions> m_options;
    const std::unique_ptr<Ui::PowerSupplyWidget> m_ui;
};
