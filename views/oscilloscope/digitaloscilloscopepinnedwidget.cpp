#include "views/oscilloscope/digitaloscilloscopepinnedwidget.h"
#include "ui_digitaloscilloscopepinnedwidget.h"

#include "app/options.h"
#include "ui/viewbase/measurementsbutton.h"
#include "ui/viewbase/panelteardown.h"
#include "vekwidgets/vekpalette.h"
#include "views/multimeter/evaluationnames.h"

#include <QEvent>
#include <QGridLayout>
#include <QPixmap>

#include <algorithm>
#include <numeric>

namespace {

constexpr int markSize = 5;

} // namespace

DigitalOscilloscopePinnedWidget::DigitalOscilloscopePinnedWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DigitalOscilloscopePinnedWidget)
{
    ui->setupUi(this);
    channelButtons.resize(channelCount);
    setChannelColors(load_from_cache().color_theme == 0 ? channelColorsDark()
                                                        : channelColorsLight());
}

DigitalOscilloscopePinnedWidget::~DigitalOscilloscopePinnedWidget()
{
    silenceForTeardown(this);
    delete ui;
}

const std::vector<QColor> &DigitalOscilloscopePinnedWidget::channelColorsDark()
{
    static const std::vector<QColor> colors {QColor("#FFFF00"), QColor("#FF00FF"),
                                             QColor("#00FF00")};
    return colors;
}

const std::vector<QColor> &DigitalOscilloscopePinnedWidget::channelColorsLight()
{
    static const std::vector<QColor> colors {
            QColor("#F44336"), VekPalette::global()->color(VekPalette::Primary), QColor("#4DBD33")};
    return colors;
}

DigitalOscilloscopePinnedWidget::EvaluationLists
DigitalOscilloscopePinnedWidget::getResizedCount(EvaluationLists types) const
{
    size_t total = 0;
    for (const auto &list : types)
        total += list.size();
    if (total <= buttonLimit)
        return types;
    std::vector<size_t> counts(types.size(), 0);
    for (size_t given = 0, i = 0; given < buttonLimit; i = (i + 1) % types.size()) {
        if (counts[i] + 1 <= types[i].size()) {
            ++counts[i];
            ++given;
        }
    }
    for (size_t i = 0; i < types.size(); ++i)
        types[i].resize(counts[i]);
    return types;
}

void DigitalOscilloscopePinnedWidget::setEvaluationValues(const EvaluationLists &types,
                                                          const EvaluationValues &values)
{
    // One list per channel: the view's lists and the channels need not match in number.
    EvaluationLists shown(types.begin(),
                          types.begin() + std::min<size_t>(types.size(), channelCount));
    shown.resize(channelCount);
    shown = getResizedCount(std::move(shown));

    std::vector<int> counts(channelCount);
    bool splitChanged = false;
    for (size_t i = 0; i < channelCount; ++i) {
        counts[i] = int(shown[i].size());
        splitChanged = splitChanged || channelButtons[i].size() != shown[i].size();
    }
    if (splitChanged) {
        if (size_t(std::accumulate(counts.begin(), counts.end(), 0)) != allButtons.size())
            recreateEvalutionPanel(counts);
        else
            rearrangeEvaluationLabels(counts);
        setChannelColors(channelColors);
    }

    // The acquisition cycle hands the same selection over with every frame: then only the
    // values change, and each button repaints itself when its text does. Names and units,
    // and with them the layout, are renewed only when the buttons show other measurements.
    bool textsChanged = splitChanged || displayedTypes.size() != channelButtons.size();
    displayedTypes.resize(channelButtons.size());
    for (size_t i = 0; i < channelButtons.size(); ++i) {
        std::vector<EvaluationType> &displayed = displayedTypes[i];
        if (displayed.size() != channelButtons[i].size()) {
            displayed.assign(channelButtons[i].size(), EvaluationNone);
            textsChanged = true;
        }
        for (size_t j = 0; j < channelButtons[i].size(); ++j) {
            const EvaluationType type = shown[i][j];
            if (textsChanged || displayed[j] != type) {
                showTexts(channelButtons[i][j], type);
                displayed[j] = type;
                textsChanged = true;
            }
            channelButtons[i][j]->setValue(i < values.size() ? values[i].value(type, 0.0) : 0.0);
        }
    }
    if (!textsChanged)
        return;
    ui->gridLayout->update();
    update();
}

void DigitalOscilloscopePinnedWidget::setChannelColors(const std::vector<QColor> &colors)
{
    if (colors.size() == channelCount)
        channelColors = colors;
    for (size_t i = 0; i < channelButtons.size() && i < channelColors.size(); ++i) {
        QPixmap mark(markSize, markSize);
        mark.fill(channelColors[i]);
        const QIcon icon(mark);
        for (MeasurementsButton *button : channelButtons[i])
            button->setIcon(icon);
    }
}

void DigitalOscilloscopePinnedWidget::recreateEvalutionPanel(const std::vector<int> &counts)
{
    auto *grid = qobject_cast<QGridLayout *>(ui->widget->layout());
    if (!grid)
        return;
    {
        const QSignalBlocker blocker(grid);
        while (QLayoutItem *item = grid->takeAt(0)) {
            if (QWidget *old = item->widget()) {
                // Hidden at once: deletion waits for the event loop, and until then the old
                // button would still paint over the new grid.
                old->hide();
                old->deleteLater();
            }
            delete item;
        }
    }
    grid->setSizeConstraint(QLayout::SetMinimumSize);

    channelButtons.assign(channelCount, {});
    allButtons.clear();
    int k = 0;
    for (size_t i = 0; i < channelCount && i < counts.size(); ++i) {
        for (int n = 0; n < counts[i]; ++n, ++k) {
            auto *button = new MeasurementsButton(ui->widget);
            grid->addWidget(button, k % 2, k & ~1);
            channelButtons[i].push_back(button);
            allButtons.push_back(button);
            button->setIconSize(QSize(markSize, markSize));
            button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
            button->setProperty("measurementsButton", true);
        }
    }
    update();
}

void DigitalOscilloscopePinnedWidget::rearrangeEvaluationLabels(const std::vector<int> &counts)
{
    channelButtons.assign(channelCount, {});
    size_t next = 0;
    for (size_t i = 0; i < channelCount && i < counts.size(); ++i) {
        for (int n = 0; n < counts[i] && next < allButtons.size(); ++n)
            channelButtons[i].push_back(allButtons[next++]);
    }
}

void DigitalOscilloscopePinnedWidget::showTexts(MeasurementsButton *button, EvaluationType type)
{
    button->setMeasurementName(getEvaluationViewName(type));
    button->setUnits(getEvaluationViewDimentions(type, tr("V")));
}

void DigitalOscilloscopePinnedWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    for (size_t i = 0; i < displayedTypes.size() && i < channelButtons.size(); ++i) {
        for (size_t j = 0; j < displayedTypes[i].size() && j < channelButtons[i].size(); ++j) {
            showTexts(channelButtons[i][j], displayedTypes[i][j]);
            channelButtons[i][j]->updateGeometry();
        }
    }
}
