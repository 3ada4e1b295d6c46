#pragma once

#include "resources/digitaloscilloscopeparameters.h"

#include <QDialog>
#include <QIcon>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QComboBox;
class QDoubleSpinBox;

namespace Ui {
class TriggerPanelSettingsWidget;
}

// The modal dialog that sets the trigger: the event mode and, on one page per mode, its
// direction, levels and times. It keeps one trigger record; Apply writes the fields of the
// selected mode into it, sends the whole record and describes it in a short text with a
// picture. The source channel and the prehistory are carried through untouched.
class TriggerPanelSettingsWidget : public QDialog
{
    Q_OBJECT
public:
    explicit TriggerPanelSettingsWidget(QWidget *parent = nullptr);
    ~TriggerPanelSettingsWidget() override;

    // The modes the resource supports; the mode list offers them in ascending order.
    void setSupportedEventModes(const std::vector<DigitalOscilloscopeEventMode> &modes);
    // Re-ranges the level fields to ±range and applies the kept record with its levels
    // clamped; unapplied edits of the form are dropped.
    void setRange(double range);
    // A level dragged on the plot: applied when it differs from the kept one.
    void setTriggerLevel1(double level);
    void changeStyleTheme(bool dark);

    // Times in the dialog's units: index 0 ns, 1 us, 2 ms, 3 s.
    static double toTimeInterval(double value, int unit);
    // The largest unit, from unit down, in which the time reads at least 1.1 (or unit 0).
    static std::pair<double, int> fromTimeInterval(double seconds, int unit);
    static void validateTimeInterval(QDoubleSpinBox *box, int unit);

    // What the description says of a record, and the picture beside it (a file of the theme's
    // triggers folder; empty for a mode the dialog does not know).
    static QString descriptionText(const DigitalOscilloscopeTriggerParameters &parameters);
    static QString descriptionPicture(const DigitalOscilloscopeTriggerParameters &parameters);

public slots:
    void setDefaultParameters(DigitalOscilloscopeTriggerParameters parameters);
    // Shows the kept record again and runs the modal loop: 1 after Apply, 0 otherwise.
    int exec() override;
    void accept() override;

signals:
    void triggerParametersChanged(DigitalOscilloscopeTriggerParameters parameters);
    void triggerDescriptionChanged(QString description, QIcon icon);

protected:
    void changeEvent(QEvent *event) override;

private:
    void makeConnections();
    void fillModeList();
    // The mode and its page as a record has them; nothing is applied.
    void showRecord(const DigitalOscilloscopeTriggerParameters &parameters);
    void fillPage(const DigitalOscilloscopeTriggerParameters &parameters);
    void fillImpulsePage(const DigitalOscilloscopeTriggerParameters &parameters);
    void readPage(int mode);
    void validateImpulseInterval();
    void updateDescription();
    QString picturePath(const QString &file) const;

    std::unique_ptr<Ui::TriggerPanelSettingsWidget> ui;
    DigitalOscilloscopeTriggerParameters m_parameters;
    QString m_theme = QStringLiteral("light");
    std::vector<DigitalOscilloscopeEventMode> m_supportedModes;
};
