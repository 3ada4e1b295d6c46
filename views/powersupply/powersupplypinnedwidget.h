#pragma once

#include "resources/powersupplyoutputoptions.h"

#include <QList>
#include <QWidget>

#include <memory>

class QLabel;
namespace Ui {
class PowerSupplyPinnedWidget;
}

// The power supply's pinned miniature: one channel at a time, with its set points, output
// switch, measured values and regulation marks, and buttons to step through the channels.
// It keeps its own copy of every channel's options; readings, modes and options edited
// elsewhere are taken only for the channel on display. Until setChannelsCount has given it
// records, edits and channels are ignored.
class PowerSupplyPinnedWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PowerSupplyPinnedWidget(QWidget *parent = nullptr);
    ~PowerSupplyPinnedWidget() override;

signals:
    void outputChanged(int channel, PowerSupplyOutputOptions parameters);

public slots:
    void setOutputOption(int channel, PowerSupplyOutputOptions parameters);
    // Appends that many records with every field zero.
    void setChannelsCount(unsigned char channelsCount);
    // Edits of the shown channel.
    void setVoltage(double voltage);
    void setCurrent(double current);
    void setEnable(bool enable);
    void setOverMode(int channel, PowerSupplyModeType mode);
    void setCurrentValues(int channel, double voltage, double current);
    // A channel outside the count keeps the shown one.
    void setCurrentChannel(int channel);
    void setSynchronizeOption(int channel, PowerSupplyOutputOptions parameters);

protected slots:
    // Shows limits, set points in the measured-value labels and the switch without storing.
    void viewOptions(PowerSupplyOutputOptions parameters);
    // No wrap-around at either end.
    void increaseCurrentChannel();
    void decreaseCurrentChannel();
    void updateStyle();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The units, marks and readings, each as wide as its widest text.
    QList<QLabel *> fittedLabels() const;
    void fitLabels();
    bool hasRecord(int channel) const;
    void showCurrentChannel();
    void emitOutput();

    const std::unique_ptr<Ui::PowerSupplyPinnedWidget> m_ui;
    QList<PowerSupplyOutputOptions> m_options;
    quint8 m_channelsCount = 1;
    quint8 m_currentChannel = 0;
};
