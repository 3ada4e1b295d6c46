#pragma once

#include <QMainWindow>

class InitializationContentWidget;
class InitializationToolBarWidget;
class InstrumentsContentWidget;
class InstrumentsToolBarWidget;
class QFrame;
class SettingsContentWidget;
class SettingsToolBarWidget;

namespace Ui {
class PraluneWindow;
}

// The one top-level window: a blue strip with the current page's tool bar, help and screen
// mode buttons above the current page. It owns the three pages with their tool bars and shows
// one pair at a time; an error of the maximized instrument turns the strip red.
class PraluneWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit PraluneWindow(QWidget *parent = nullptr);
    ~PraluneWindow() override;

    bool isErrorState() const;

public slots:
    void activateInitializationMode();
    void activateSettingsMode();
    void activateInstrumentsMode();
    void setFullScreenMode(bool fullScreen);
    void changeScreenMode();
    void setErrorState(bool error);
    void resetErrorStyle();
    // Opens "Documentation.pdf" of the working directory when it is there and readable.
    void openHelp();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void restoreOptions();
    void storeOptions();
    void createModeWidgets();
    void createLinksBetweenModeWidgets();
    void setWidgetIntoFrame(QWidget *widget, QFrame *frame);
    void setContentWidget(QWidget *widget);
    void setToolBarWidget(QWidget *widget);
    void setTopFrameStyle(bool error);
    void retranslateScreenModeTip();
    void boundMinimumSize();

    enum class Mode { Initialization, Instruments, Settings };

    Ui::PraluneWindow *ui;
    InitializationContentWidget *m_initializationContent = nullptr;
    InitializationToolBarWidget *m_initializationToolBar = nullptr;
    SettingsContentWidget *m_settingsContent = nullptr;
    SettingsToolBarWidget *m_settingsToolBar = nullptr;
    InstrumentsContentWidget *m_instrumentsContent = nullptr;
    InstrumentsToolBarWidget *m_instrumentsToolBar = nullptr;
    bool m_error = false;
    Mode m_mode = Mode::Initialization;
};
