#pragma once

#include "resources/evaluationtype.h"

#include <QColor>
#include <QMap>
#include <QWidget>

#include <vector>

namespace Ui {
class DigitalOscilloscopePinnedWidget;
}

class MeasurementsButton;

// The miniature of a pinned oscilloscope view: at most four measurement buttons over the
// channels (channel 1, channel 2, math channel), each marked in its channel's colour. It
// measures nothing; the view hands it the measurement lists and their values.
//
// Buttons are created or deleted only when the number shown changes, and handed to other
// channels only when the split changes; otherwise a hand-over only renews texts and values.
// Until the first hand-over with a measurement the form's mock-up stays, so an unbound
// miniature (as the view selection shows it) is still readable.
class DigitalOscilloscopePinnedWidget : public QWidget
{
    Q_OBJECT
public:
    using EvaluationLists = std::vector<std::vector<EvaluationType>>;
    using EvaluationValues = std::vector<QMap<EvaluationType, double>>;

    explicit DigitalOscilloscopePinnedWidget(QWidget *parent = nullptr);
    ~DigitalOscilloscopePinnedWidget() override;

    // Built on first use: the light list takes the widget kit's palette, which lives in
    // another library and may not exist during static initialisation.
    static const std::vector<QColor> &channelColorsDark();
    static const std::vector<QColor> &channelColorsLight();

    // types: one list per channel; lists beyond the channel count are ignored and a missing
    // list shows no button. values: one map per channel; a missing map or entry shows 0.0.
    void setEvaluationValues(const EvaluationLists &types, const EvaluationValues &values);
    // Anything but one colour per channel keeps the colours in force; the marks are repainted
    // either way.
    void setChannelColors(const std::vector<QColor> &colors);
    // The lists cut down to the button limit, sharing the slots in turn and keeping each
    // list's first entries.
    EvaluationLists getResizedCount(EvaluationLists types) const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void recreateEvalutionPanel(const std::vector<int> &counts);
    void rearrangeEvaluationLabels(const std::vector<int> &counts);
    void showTexts(MeasurementsButton *button, EvaluationType type);

    Ui::DigitalOscilloscopePinnedWidget *ui;
    std::vector<std::vector<MeasurementsButton *>> channelButtons;
    std::vector<MeasurementsButton *> allButtons;
    const unsigned channelCount = 3;
    std::vector<QColor> channelColors;
    const unsigned buttonLimit = 4;
    EvaluationLists displayedTypes;
};
