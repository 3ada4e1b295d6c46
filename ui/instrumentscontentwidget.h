#pragma once

#include <QWidget>

#include <memory>

class ActiveViewCollection;
class ArrangementState;
class ViewInterface;

namespace Ui {
class InstrumentsContentWidget;
}

// The workspace of the Instruments mode: the selection page or the maximized view's full
// form, and the row of pinned views below. Every change of the workspace is written to the
// options cache as the current arrangement, so the layout survives a restart.
class InstrumentsContentWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InstrumentsContentWidget(QWidget *parent = nullptr);
    ~InstrumentsContentWidget() override;

    static constexpr unsigned viewsLimit = 4;

    const ActiveViewCollection *activeViews() const;

public slots:
    void reset();
    void pin();
    void savePicture();
    void saveData();
    void stop();
    // True when the workspace holds at least one view afterwards.
    bool restoreArrangement(const ArrangementState &state);
    // The save and pin states of the workspace as it stands, for a tool bar shown again.
    void announceToolBarStates();

signals:
    void pinEnabledChanged(bool enabled);
    void saveEnabledChanged(bool enabled);
    void currentInstrumentChanged(const QString &instrumentName);
    // The same instrument under its name in a new language.
    void currentInstrumentRenamed(const QString &instrumentName);
    void currentIntsrumentErrorOccured();

protected:
    void changeEvent(QEvent *event) override;

private:
    void createLinks();
    void clear();
    void storeArrangement(ArrangementState &state) const;
    void saveArrangement();
    void pinView(const std::shared_ptr<ViewInterface> &view);
    void maximizeView(const std::shared_ptr<ViewInterface> &view);
    void hideView(const std::shared_ptr<ViewInterface> &view);
    void onCurrentInstrumentChanged();
    void onSelected(const std::shared_ptr<ViewInterface> &view);
    void animatedPinn(const std::shared_ptr<ViewInterface> &view);
    void showFullScreen(const std::shared_ptr<ViewInterface> &view);
    void takeFullScreen(const std::shared_ptr<ViewInterface> &view);
    void connectMaximizedErrors(const std::shared_ptr<ViewInterface> &view);
    bool canPin() const;

    Ui::InstrumentsContentWidget *m_ui;
    ActiveViewCollection *m_activeViews;
};
