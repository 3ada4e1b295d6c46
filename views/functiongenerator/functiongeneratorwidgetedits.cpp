// The user's edits: each reads its controls, writes the current channel's record (or the
// panel-wide trigger options or mode), redraws the preview and emits one request that carries
// the whole record.

#include "views/functiongenerator/functiongeneratorpanelrules.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui_functiongeneratorwidget.h"

#include <QDataWidgetMapper>

// Keeps the panel consistent with itself; requests nothing.
void FunctionGeneratorWidget::processInternalChanges()
{
    connect(ui->functionsButtonGroup, &QButtonGroup::idPressed, this,
            &FunctionGeneratorWidget::setFunctionMode);
    connect(ui->modulationButtonGroup, &QButtonGroup::idClicked, this,
            &FunctionGeneratorWidget::updateModulationOptionsPage);
    connect(ui->rangeLeftArrow, &QToolButton::clicked, d->rangeMapper,
            &QDataWidgetMapper::toPrevious);
    connect(ui->rangeRightArrow, &QToolButton::clicked, d->rangeMapper,
            &QDataWidgetMapper::toNext);
    connect(ui->impedanceLeftArrow, &QToolButton::clicked, d->impedanceMapper,
            &QDataWidgetMapper::toPrevious);
    connect(ui->impedanceRightArrow, &QToolButton::clicked, d->impedanceMapper,
            &QDataWidgetMapper::toNext);
    connect(ui->samplingLeftArrow, &QToolButton::clicked, d->sampleRateMapper,
            &QDataWidgetMapper::toPrevious);
    connect(ui->samplingRightArrow, &QToolButton::clicked, d->sampleRateMapper,
            &QDataWidgetMapper::toNext);
    connect(ui->modulatingFrequencyLeftArrow, &QToolButton::clicked,
            ui->modulatingFrequencyDoubleSpinBox, &QDoubleSpinBox::stepDown);
    connect(ui->modulatingFrequencyRightArrow, &QToolButton::clicked,
            ui->modulatingFrequencyDoubleSpinBox, &QDoubleSpinBox::stepUp);
    connect(ui->frequencyDeviationLeftArrow, &QToolButton::clicked,
            ui->frequencyDeviationDoubleSpinBox, &QDoubleSpinBox::stepDown);
    connect(ui->frequencyDeviationRightArrow, &QToolButton::clicked,
            ui->frequencyDeviationDoubleSpinBox, &QDoubleSpinBox::stepUp);
    connect(ui->amplitudeDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &FunctionGeneratorWidget::updateAmplitudeSlider);
}

// The order of the connections on one signal is the order in which their receivers run.
void FunctionGeneratorWidget::connectUserInteractionToSignals()
{
    connect(ui->triggerTypeComboBox, &QComboBox::currentTextChanged, this,
            &FunctionGeneratorWidget::processChangesOfTriggerOptions);
    connect(ui->delayDoubleSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
            &FunctionGeneratorWidget::processChangesOfTriggerOptions);
}

void FunctionGeneratorWidget::processChangesOfTriggerOptions()
{
    d->triggerOptions.type = functionGeneratorTriggerType(ui->triggerTypeComboBox->currentIndex());
    d->triggerOptions.delay = ui->delayDoubleSpinBox->value();
    emit triggerOptionsChanged(d->triggerOptions);
}
