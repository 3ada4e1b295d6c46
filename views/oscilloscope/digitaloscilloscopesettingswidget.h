#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DigitalOscilloscopeSettingsWidget;
}

class DigitalOscilloscopeSettings;

// The oscilloscope's page in the application's settings: the read point limit. Every choice
// reaches the shared settings at once; they are written to their file when the page dies.
// The page does not keep the settings alive.
class DigitalOscilloscopeSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DigitalOscilloscopeSettingsWidget(
            const std::shared_ptr<DigitalOscilloscopeSettings> &settings,
            QWidget *parent = nullptr);
    ~DigitalOscilloscopeSettingsWidget() override;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Ui::DigitalOscilloscopeSettingsWidget *ui;
    struct Internal;
    std::shared_ptr<Internal> d;
};
