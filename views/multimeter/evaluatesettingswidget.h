#pragma once

#include "resources/evaluationtype.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <set>
#include <vector>

class QButtonGroup;
namespace Ui {
class EvaluateSettingsWidget;
}

// The evaluation lists every view that shows evaluations shares. The first three are ordered
// lists: the default selection in the order it is listed, and the two groups in the order of
// the dialog's buttons. All four live in one translation unit, in this order, so building
// the set from the groups never reads an empty list.
extern const std::vector<EvaluationType> DefaultEvaluations;
extern const std::vector<EvaluationType> VoltageEvaluationTypeSet;
extern const std::vector<EvaluationType> TimeEvaluationTypeSet;
extern const std::set<EvaluationType> AllEvaluationTypeSet;

// The long name of type for the dialog's buttons, translated in the context "QObject"; empty
// outside 1 to 22.
QString getEvaluationSettingsName(EvaluationType type);
// Same rule and result as getEvaluationViewDimentions.
QString getEvaluationSettingsDimentions(EvaluationType type, QString unit);

// "Measurement settings": one page per source of measurements, each a set of check buttons
// under "Voltage" and "Time". There is no OK or Cancel: every click changes the page's list at
// once and the caller reads getEvaluations() after exec(), however the dialog was closed.
// A list is the given order less what the user unchecked, then what was checked, in order.
class EvaluateSettingsWidget : public QDialog
{
    Q_OBJECT
public:
    EvaluateSettingsWidget(QStringList names, std::vector<std::set<EvaluationType>> types,
                           QWidget *parent = nullptr);
    ~EvaluateSettingsWidget() override;

    // One list per page in page order, copied as given (order, duplicates and types the page
    // does not offer are kept); a page without a list gets an empty one. Checks the buttons
    // without recording the checks.
    void setDefaultSettings(std::vector<std::vector<EvaluationType>> evaluations);
    std::vector<std::vector<EvaluationType>> getEvaluations() const;

protected slots:
    void buttonReleased(int pageIndex, int id, bool isChecked);

private:
    void createButtons(std::vector<std::set<EvaluationType>> types);

    QList<QButtonGroup *> m_buttonGroups;
    Ui::EvaluateSettingsWidget *ui;
    std::vector<std::vector<EvaluationType>> m_evaluations;
};
