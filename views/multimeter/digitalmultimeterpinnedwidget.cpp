#include "views/multimeter/digitalmultimeterpinnedwidget.h"
#include "ui_digitalmultimeterpinnedwidget.h"

#include "resources/resourcerv38.h"
#include "ui/viewbase/labelwidth.h"
#include "ui/viewbase/panelteardown.h"
#include "vekwidgets/vekcomboboxwidth.h"
#include "views/multimeter/dimentiontranslater.h"
#include "views/multimeter/translateoptions.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMutexLocker>

namespace {

const QString continuityRule =
        QStringLiteral(".QLabel { border: 5px solid #90CAF9; font-size: 32px; }");
const QString plainRule =
        QStringLiteral(".QLabel { border: 5px solid transparent; font-size: 32px; }");
constexpr double continuityLimit = 100.0;
constexpr int displayIntervalMs = 200;
const QString placeholder = QStringLiteral("___.____");

} // namespace

DigitalMultimeterPinnedWidget::DigitalMultimeterPinnedWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DigitalMultimeterPinnedWidget)
{
    ui->setupUi(this);
    connect(
            ui->rangeComboBox, qOverload<int>(&QComboBox::currentIndexChanged), ui->rangeComboBox,
            [this](int index) { changeRangeIndex(index); }, Qt::DirectConnection);
    mutex = std::make_unique<QRecursiveMutex>();
    // A sheet reaches each label by itself, possibly after the miniature: refit then.
    ui->currentValueViewLabel->installEventFilter(this);
    ui->dimensionViewLabel->installEventFilter(this);
    ui->rangeComboBox->installEventFilter(this);
    fitReadingLabels();
}

DigitalMultimeterPinnedWidget::~DigitalMultimeterPinnedWidget()
{
    silenceForTeardown(this);
    stopMeasurments();
    delete ui;
}

void DigitalMultimeterPinnedWidget::blockMainGroupUiSignals(bool block)
{
    ui->rangeComboBox->blockSignals(block);
}

void DigitalMultimeterPinnedWidget::changeRangeIndex(int index)
{
    if (index == 0) {
        emit rangeChanged(-1.0);
        return;
    }
    const QVector<double> ranges = rangeSettings.value(functionMode);
    emit rangeChanged(index >= 1 && index <= ranges.size() ? ranges.at(index - 1) : 0.0);
}

void DigitalMultimeterPinnedWidget::setDigitalMultimeterData(double time, QVector<double> data)
{
    Q_UNUSED(time)
    QMutexLocker locker(mutex.get());
    overRange = false;
    lastValue = data.isEmpty() ? 0.0 : data.last();
}

void DigitalMultimeterPinnedWidget::setMainParameters(
        const DigitalGeneratorMainParameters &mainParameters)
{
    functionMode = mainParameters.function;
    // The miniature's own signals, not the combo box's: the handler runs, its request stays here.
    const QSignalBlocker blocker(this);
    ui->rangeComboBox->clear();
    ui->rangeComboBox->addItem(tr("Auto"));
    const int position = mainParameters.ranges.indexOf(mainParameters.range);
    range = mainParameters.range;
    if (range <= 0.0 && !mainParameters.ranges.isEmpty())
        range = mainParameters.ranges.last();
    rangeEntries = mainParameters.ranges;
    const TranslateOptions *texts = TranslateOptions::instance();
    for (double entry : rangeEntries)
        ui->rangeComboBox->addItem(rangeText(entry));
    if (!overRange)
        ui->dimensionViewLabel->setText(texts->units(functionMode));
    readingShown = false;
    widestShown.clear();
    fitReadingLabels();
    fitRangeBox();
    ui->rangeComboBox->setCurrentIndex(position + 1);
}

QString DigitalMultimeterPinnedWidget::rangeText(double entry) const
{
    return normalizeDimentions(entry, TranslateOptions::instance()->rangeUnits(functionMode), false,
                               -1);
}

void DigitalMultimeterPinnedWidget::setValueLabelRule(const QString &rule)
{
    // On top of the application's sheet, so the theme's rules stay in force.
    ui->currentValueViewLabel->setStyleSheet(qApp->styleSheet() + rule);
}

void DigitalMultimeterPinnedWidget::setOverData()
{
    if (functionMode == FunctionContinuity) {
        if (!continuityHighlighted)
            setValueLabelRule(continuityRule);
        continuityHighlighted = true;
    } else {
        setValueLabelRule(plainRule);
        continuityHighlighted = false;
    }
    ui->currentValueViewLabel->setText(tr("    OVER"));
    ui->dimensionViewLabel->setText(QString());
    overRange = true;
}

void DigitalMultimeterPinnedWidget::startMeasurments()
{
    // Every Single, Auto or Normal press starts the display; one timer at most.
    stopMeasurments();
    displayTimerId = startTimer(displayIntervalMs, Qt::CoarseTimer);
}

void DigitalMultimeterPinnedWidget::stopMeasurments()
{
    if (displayTimerId != 0)
        killTimer(displayTimerId);
    displayTimerId = 0;
}

void DigitalMultimeterPinnedWidget::timerEvent(QTimerEvent *event)
{
    Q_UNUSED(event)
    QMutexLocker locker(mutex.get());
    if (overRange)
        return;
    const QStringList texts = getValueDimentionList(
            lastValue, range, TranslateOptions::instance()->units(functionMode));
    ui->currentValueViewLabel->setText(texts.value(0));
    ui->dimensionViewLabel->setText(texts.value(1));
    readingShown = true;
    // Past the ranges' own full scale (a reading without a range's bound, as the
    // demonstration gives) the label grows to the reading rather than cut it.
    const QFontMetrics metrics = ui->currentValueViewLabel->fontMetrics();
    if (metrics.horizontalAdvance(texts.value(0)) > metrics.horizontalAdvance(widestShown)) {
        widestShown = texts.value(0);
        fitReadingLabels();
    }
    if (functionMode == FunctionContinuity && lastValue > continuityLimit) {
        if (!continuityHighlighted)
            setValueLabelRule(continuityRule);
        continuityHighlighted = true;
    } else if (continuityHighlighted) {
        continuityHighlighted = false;
        setValueLabelRule(plainRule);
    }
}

void DigitalMultimeterPinnedWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateReading();
        fitReadingLabels();
        // The range list is the box's own, not the generated form's: the automatic range
        // first, then the function's ranges with their units' prefixes.
        if (ui->rangeComboBox->count() > 0)
            ui->rangeComboBox->setItemText(0, tr("Auto"));
        for (int i = 0; i < rangeEntries.size() && i + 1 < ui->rangeComboBox->count(); ++i)
            ui->rangeComboBox->setItemText(i + 1, rangeText(rangeEntries.at(i)));
        fitRangeBox();
    }
}

void DigitalMultimeterPinnedWidget::retranslateReading()
{
    QMutexLocker locker(mutex.get());
    if (overRange) {
        ui->currentValueViewLabel->setText(tr("    OVER"));
        return;
    }
    const QString unit = TranslateOptions::instance()->units(functionMode);
    ui->dimensionViewLabel->setText(
            readingShown ? getValueDimentionList(lastValue, range, unit).value(1) : unit);
}

bool DigitalMultimeterPinnedWidget::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Polish || type == QEvent::FontChange || type == QEvent::StyleChange) {
        if (watched == ui->rangeComboBox)
            fitRangeBox();
        else
            fitReadingLabels();
    }
    return QWidget::eventFilter(watched, event);
}

void DigitalMultimeterPinnedWidget::fitRangeBox()
{
    ui->rangeComboBox->setMinimumWidth(comboBoxWidthForEntries(ui->rangeComboBox));
}

void DigitalMultimeterPinnedWidget::fitReadingLabels()
{
    // A full-scale negative reading of each of the function's ranges, laid out as the reading
    // is, and the function's unit bare and with the prefix of each range.
    const QString unit = TranslateOptions::instance()->units(functionMode);
    QStringList values {placeholder, tr("    OVER"), widestShown};
    QStringList units {unit};
    for (double entry : rangeSettings.value(functionMode)) {
        const QStringList texts = getValueDimentionList(-entry, entry, unit);
        values << texts.value(0);
        units << texts.value(1);
    }
    fitLabelWidth(ui->currentValueViewLabel, values);
    fitLabelWidth(ui->dimensionViewLabel, units);
}
