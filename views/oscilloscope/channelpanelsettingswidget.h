#pragma once

#include "resources/digitaloscilloscopeparameters.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace Ui {
class ChannelPanelSettingsWidget;
}

// The settings window of one input channel: range, coupling, input impedance, bandwidth filter
// and DC offset. The owner gives it what the resource supports and loads the channel's record
// before every opening; "Apply" sends the edited record and a one-line description back.
class ChannelPanelSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ChannelPanelSettingsWidget(const QString &title, QWidget *parent = nullptr);
    ~ChannelPanelSettingsWidget() override;

public slots:
    void accept();
    // Shows the window without blocking; it is application-modal while open.
    void exec();
    void setDefaultParameters(DigitalOscilloscopeChannelParameters parameters);
    // Item i of the bandwidth list is filter i; the list is not cleared first.
    void setSupportedFilters(std::vector<std::pair<double, QString>> filters);
    void setSupportedRanges(std::vector<double> ranges);
    void setSupportedImpedances(std::vector<DigitalOscilloscopeImpedanceType> impedances);

signals:
    void channelParametersChanged(DigitalOscilloscopeChannelParameters parameters);
    void channelDescriptionChanged(QString description);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void makeConnections();
    void stepRange(int step);
    void changeRange();
    void updateDescription();
    void applyThemeIcons();
    int clampedRange(int range) const;

    std::unique_ptr<Ui::ChannelPanelSettingsWidget> ui;
    QString m_title;
    DigitalOscilloscopeChannelParameters m_parameters;
    std::vector<std::pair<double, QString>> m_filters;
    std::vector<double> m_ranges;
};
