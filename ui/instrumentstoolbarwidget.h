#pragma once

#include <QWidget>

#include <optional>

namespace Ui {
class InstrumentsToolBarWidget;
}

// The top bar of the Instruments mode: it only emits requests and shows the states the
// Instruments page reports through the main window.
class InstrumentsToolBarWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InstrumentsToolBarWidget(QWidget *parent = nullptr);
    ~InstrumentsToolBarWidget() override;

public slots:
    void enablePin(bool enabled);
    void enableSave(bool enabled);
    // An empty name means no view is maximized.
    void setCaption(const QString &name);

signals:
    void applicationSettingsRequested();
    void pinRequested();
    void pictureRequested();
    void dataExportRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::InstrumentsToolBarWidget *m_ui;
    // The name last given, so that a language change can put the caption together again;
    // none before the first, when the form's own caption stands.
    std::optional<QString> m_viewName;
};
