#pragma once

#include <QWidget>

namespace Ui {
class SettingsToolBarWidget;
}

// The top bar of the Settings mode: a way back and the caption.
class SettingsToolBarWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsToolBarWidget(QWidget *parent = nullptr);
    ~SettingsToolBarWidget() override;

signals:
    // Asks to leave the Settings mode.
    void finished();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::SettingsToolBarWidget *m_ui;
};
