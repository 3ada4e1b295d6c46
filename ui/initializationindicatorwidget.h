#pragma once

#include "hardware/moduleinterface.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QMovie;

// The "#" cell of a row of the Initialization page: a check box that selects the module,
// then a busy animation while it initializes, then a success or error mark.
class InitializationIndicatorWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InitializationIndicatorWidget(QWidget *parent = nullptr);

    void setChecked(bool checked);
    bool isChecked() const;
    void setBusy();
    void finishInitialization(ModuleInterface::ModuleState state);

    // The theme's result marks, exposed so the page and its tests can tell which one shows.
    QString successIconPath() const { return m_successIconPath; }
    QString errorIconPath() const { return m_errorIconPath; }
    QString shownIconPath() const { return m_shownIconPath; }

signals:
    void stateChanged(bool state);

private:
    QHBoxLayout *m_layout = nullptr;
    QCheckBox *m_checkBox = nullptr;
    QPointer<QMovie> m_movie;
    QLabel *m_resultLabel = nullptr;
    QString m_successIconPath;
    QString m_errorIconPath;
    QString m_shownIconPath;
};
