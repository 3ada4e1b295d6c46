#pragma once

#include "views/oscilloscope/cursors/cursorssettings.h"

#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class CursorsSettingsWidget;
}

// The small window in which the user picks the cursor kind and the two sources the cursors
// measure. The owner fills the source names and loads the current settings before every
// opening; "Apply" sends the three choices back.
class CursorsSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CursorsSettingsWidget(QWidget *parent = nullptr);
    ~CursorsSettingsWidget() override;

public slots:
    void accept();
    // Shows the window without blocking; it is application-modal while open.
    void exec();
    void setDefaultSettings(CursorsSettings settings);
    // Replaces the names of both source lists.
    void setSources(QStringList sources);

signals:
    void cursorsSettingsChanged(CursorsSettings setting);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void typeChanged(int index);

    std::unique_ptr<Ui::CursorsSettingsWidget> ui;
};
