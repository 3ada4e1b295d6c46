// Replot time of the plot as the oscilloscope drives it: two curves that keep their samples by
// reference, once with what the oscilloscope hands over after thinning and once with the raw
// record length, as the baseline.
#include "bench/support/paintcounter.h"
#include "bench/support/widgetbenchmain.h"
#include "orvexplotwidget/orvexplotwidget.h"

#include <qwt_plot_curve.h>

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int plotWidth = 1000;
constexpr int plotHeight = 600;
constexpr int curveCount = 2;

struct Trace
{
    std::vector<double> x;
    std::vector<double> y;
};

Trace makeTrace(int points, int channel)
{
    Trace trace;
    trace.x.resize(points);
    trace.y.resize(points);
    const double twoPi = 2.0 * M_PI;
    for (int i = 0; i < points; ++i) {
        const double t = double(i) / points;
        trace.x[i] = t;
        // A few periods with a harmonic and a little deterministic ripple, like a real signal.
        trace.y[i] = std::sin(twoPi * 5.0 * t + channel) + 0.2 * std::sin(twoPi * 170.0 * t)
                + 0.05 * std::sin(i * 1.618);
    }
    return trace;
}

void replot(benchmark::State &state)
{
    const int points = int(state.range(0));
    std::vector<Trace> traces;
    OrvexPlotWidget plot;
    plot.resize(plotWidth, plotHeight);
    plot.setAxisScale(QwtPlot::xBottom, 0.0, 1.0);
    plot.setAxisScale(QwtPlot::yLeft, -1.5, 1.5);
    for (int c = 0; c < curveCount; ++c) {
        traces.push_back(makeTrace(points, c));
        QwtPlotCurve *curve = plot.addCurve(QStringLiteral("Channel %1").arg(c + 1));
        curve->setPen(c == 0 ? Qt::darkYellow : Qt::darkCyan, 1.0);
        curve->setRawSamples(traces.back().x.data(), traces.back().y.data(), points);
    }
    plot.show();
    // Until the window is exposed a replot paints nothing and would time an empty call.
    while (!plot.windowHandle() || !plot.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
    plot.replot();
    QApplication::processEvents();
    PaintCounter counter;
    plot.canvas()->installEventFilter(&counter);

    // The canvas repaints on the next pass of the event loop; the paint is what counts.
    for (auto _ : state) {
        plot.replot();
        QApplication::processEvents();
    }

    state.counters["paints_per_replot"] = double(counter.paints) / double(state.iterations());
    state.counters["points"] = double(points) * curveCount;
    state.counters["canvas_w"] = plot.canvas()->width();
    state.counters["canvas_h"] = plot.canvas()->height();
}

} // namespace

BENCHMARK(replot)
        ->ArgName("points_per_curve")
        ->Arg(2000)
        ->Arg(1024000)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
