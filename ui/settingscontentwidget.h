#pragma once

#include <QList>
#include <QWidget>

class ArrangementListModel;
class QItemSelectionModel;
class ViewInterface;
struct Options;

namespace Ui {
class SettingsContentWidget;
}

// The Settings mode's page: edits the options cache, manages the saved arrangements and hosts
// the instrument views' settings widgets. Every change of an option control stores all
// options at once; theme, font size and language take effect at once, the rest at the next
// start.
class SettingsContentWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsContentWidget(QWidget *parent = nullptr);
    ~SettingsContentWidget() override;

    void storeOptions();
    void restoreOptions();
    void updateArrangementButtons();

    // Shows the first row with this key again under the new text, or appends one.
    void addNavigation(const QString &key, const QString &text);
    // Hides, never deletes: a language change shows the rows again.
    void removeNavigation(const QString &key);
    void navigate(const QString &key);
    void createDefaultNavigation();
    void addEmptyString();

public slots:
    void navigate(int rowIndex);
    void applySelectedArrangement();
    void removeSelectedArrangement();
    void saveCurrentArrangement();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showOptions(const Options &options);
    void applySaveLimit();
    int storableArrangementIndex();
    void setVersionText();
    // Wide enough for the longest row in the list's current font.
    void fitNavigationWidth();

    Ui::SettingsContentWidget *ui;
    QList<ViewInterface *> m_views;
    ArrangementListModel *m_arrangementModel = nullptr;
    QItemSelectionModel *m_arrangementSelection = nullptr;
    bool m_showingOptions = false;
};
