#include "views/functiongenerator/functiongeneratorpreview.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui_functiongeneratorwidget.h"

#include <QPen>

#include <qwt_plot_curve.h>

void FunctionGeneratorWidget::calculateTime()
{
    d->channelTimes.assign(d->channelOptions.size(), 0.0);
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
    if (d->channelTimes.empty())
        calculateTime();
    curve->setSamples(QVector<double>(), QVector<double>());
}

void FunctionGeneratorWidget::setChannelColors(const std::vector<QColor> &colors)
{
    if (colors.empty())
        return;
    for (int i = 0; i < ui->plotWidget->curveCount(); ++i) {
        // A channel beyond the table takes the table's last colour.
        const QColor &color = colors[std::min<std::size_t>(std::size_t(i), colors.size() - 1)];
        QPen pen(QBrush(color), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        ui->plotWidget->curve(i)->setPen(pen);
    }
}

void FunctionGeneratorWidget::setCurvesZOrder()
{
    for (std::size_t i = 0; i < d->curves.size(); ++i)
        d->curves[i]->setZ(i == d->currentChannel ? 100.0 : 10.0);
}
