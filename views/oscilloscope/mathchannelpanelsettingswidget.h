#pragma once

#include "resources/digitaloscilloscopeparameters.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class MathChannelPanelSettingsWidget;
}

// The small window that sets up the math channel: function, the two source channels and a DC
// offset. "Apply" sends the edited record and a short description ("  1 + 2") back; the on/off
// state is carried through as last loaded.
class MathChannelPanelSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MathChannelPanelSettingsWidget(const QString &title, QWidget *parent = nullptr);
    ~MathChannelPanelSettingsWidget() override;

public slots:
    void accept();
    // Shows the window without blocking; it is application-modal while open.
    void exec();
    void setDefaultParameters(DigitalOscilloscopeMathChannelParameters parameters);

signals:
    void mathChannelParametersChanged(DigitalOscilloscopeMathChannelParameters parameters);
    void channelDescriptionChanged(QString description);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateDescription();

    std::unique_ptr<Ui::MathChannelPanelSettingsWidget> ui;
    DigitalOscilloscopeMathChannelParameters m_parameters;
};

// The description of a math record: "  a + b" with the sources counted from 1, the operator
// by type; only the two blanks for a type outside the four functions.
QString mathChannelDescription(const DigitalOscilloscopeMathChannelParameters &parameters);
