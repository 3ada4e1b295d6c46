#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DigitalOscilloscopeWidget;
}

// The oscilloscope view's full-screen panel: start modes, time base, trigger bar, the three
// channel rows and the measurement strip around the plot area.
class DigitalOscilloscopeWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DigitalOscilloscopeWidget(QWidget *parent = nullptr);
    ~DigitalOscilloscopeWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::DigitalOscilloscopeWidget> ui;
};
