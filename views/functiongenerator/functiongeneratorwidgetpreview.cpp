// The preview curves: one per channel, all drawn over the current channel's time span.

#include "views/functiongenerator/functiongeneratorpreview.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui_functiongeneratorwidget.h"

#include <QDataWidgetMapper>
#include <QPen>
#include <QStandardItemModel>

#include <qwt_plot_curve.h>

#include <algorithm>

void FunctionGeneratorWidget::calculateTime()
{
    d->channelTimes.clear();
    const bool waveform = d->mode != FunctionGeneratorMode::StandardFunctions;
    for (std::size_t channel = 0; channel < d->channelOptions.size(); ++channel)
        d->channelTimes.push_back(
                waveform ? functionGeneratorWaveformSpan(awgSamples(channel).size(),
                                                         selectedSampleRate())
                         : functionGeneratorStandardSpan(d->channelOptions[channel]));
    // Without a span of its own the current channel leaves the axis as it is.
    if (!d->hasChannel(d->currentChannel))
        return;
    const double span = d->channelTimes[d->currentChannel];
    if (span != 0.0)
        ui->plotWidget->setAxisScale(QwtPlot::xBottom, 0.0, span, 0.0);
}

void FunctionGeneratorWidget::displayFunction(unsigned int channel)
{
    QwtPlotCurve *curve = ui->plotWidget->curve(int(channel));
    if (!curve)
        return;
    // A curve outlives a shrunk channel count; without a record it has nothing to show.
    if (!d->hasChannel(channel)) {
        curve->setVisible(false);
        curve->setSamples(QVector<double>(), QVector<double>());
        return;
    }
    const FunctionGeneratorChannelOptions &options = d->channelOptions[channel];
    curve->setVisible(options.enable);
    if (d->channelTimes.size() != d->channelOptions.size())
        calculateTime();
    if (!options.enable) {
        curve->setSamples(QVector<double>(), QVector<double>());
        return;
    }

    FunctionGeneratorPreviewFrame frame;
    frame.currentSpan = d->hasChannel(d->currentChannel) ? d->channelTimes[d->currentChannel] : 0.0;
    frame.ownSpan = d->channelTimes[channel];
    frame.sortedSpans = d->channelTimes;
    std::sort(frame.sortedSpans.begin(), frame.sortedSpans.end());
    frame.budget = ui->plotWidget->contentsRect().width();

    FunctionGeneratorPreviewCurve samples;
    if (d->mode == FunctionGeneratorMode::StandardFunctions) {
        samples = functionGeneratorStandardCurve(options, frame);
    } else {
        const double span = frame.currentSpan != 0.0 ? frame.currentSpan : frame.ownSpan;
        samples = functionGeneratorWaveformCurve(awgSamples(channel), selectedSampleRate(), span,
                                                 frame.budget);
    }
    functionGeneratorOffsetAndClip(samples, options.outputOptions.offset);
    curve->setSamples(samples.x, samples.y);
}

void FunctionGeneratorWidget::createDecimatedSignal(int budget, double amplitude,
                                                    QVector<double> &x, QVector<double> &y)
{
    const double span = d->hasChannel(d->currentChannel) && d->hasSpan(d->currentChannel)
            ? d->channelTimes[d->currentChannel]
            : 0.0;
    functionGeneratorBand(budget, amplitude, span, x, y);
}

QVector<double> FunctionGeneratorWidget::modulateSineSignal(unsigned int channel,
                                                            const QVector<double> &x,
                                                            const QVector<double> &y0)
{
    if (!d->hasChannel(channel))
        return {};
    return functionGeneratorModulate(d->channelOptions[channel], x, y0);
}

void FunctionGeneratorWidget::setChannelColors(const std::vector<QColor> &colors)
{
    if (colors.empty())
        return;
    for (int i = 0; i < ui->plotWidget->curveCount(); ++i) {
        // A channel beyond the table takes the table's last colour.
        const QColor &color = colors[std::min<std::size_t>(std::size_t(i), colors.size() - 1)];
        const QPen pen(QBrush(color), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        ui->plotWidget->curve(i)->setPen(pen);
    }
}

void FunctionGeneratorWidget::setCurvesZOrder()
{
    for (std::size_t i = 0; i < d->curves.size(); ++i)
        d->curves[i]->setZ(i == d->currentChannel ? 100.0 : 10.0);
}

double FunctionGeneratorWidget::selectedSampleRate() const
{
    const int row = d->sampleRateMapper->currentIndex();
    if (row < 0 || row >= d->sampleRateModel->rowCount())
        return 0.0;
    return d->sampleRateModel->index(row, 0).data(functionGeneratorValueRole).toDouble();
}
