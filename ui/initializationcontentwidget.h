#pragma once

#include "hardware/moduledescription.h"

#include <QAtomicInt>
#include <QList>
#include <QPointer>
#include <QVector>
#include <QWidget>

class AutoSearch;
class Hardware;
class InitializationIndicatorWidget;
class QMovie;

namespace Ui {
class InitializationContentWidget;
}

// The first page: searches for modules, lists them, initializes the chosen ones and says
// when the user may go on to the instruments.
class InitializationContentWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InitializationContentWidget(QWidget *parent = nullptr);
    ~InitializationContentWidget() override;

    void moduleFound(const ModuleDescription &description);
    void searchFinished(const QVector<ModuleDescription> &modules);
    void initializeModules();
    void restartAutoSearch();
    void selectionChanged(bool state);
    void autoInitializationChanged(bool state);

signals:
    void finished();

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Stage {
        Searching,
        NothingFound,
        Found,
        Initializing,
        PartlyInitialized,
        NoneInitialized
    };

    void startInitialization();
    void createAutosearch();
    void dropActionConnections();
    void setActionButton(const QString &text, void (InitializationContentWidget::*slot)());
    void applyStageTexts();

    Ui::InitializationContentWidget *ui;
    QMovie *m_busyMovie = nullptr;
    QVector<ModuleDescription> m_modules;
    QList<InitializationIndicatorWidget *> m_indicators;
    AutoSearch *m_autoSearch = nullptr;
    bool m_demoMode = true;
    QAtomicInt m_selectionCount = 0;
    bool m_autoInitialization = false;
    Hardware *m_hardware = nullptr;
    Stage m_stage = Stage::Searching;
};
