// Work per data package of the multimeter form, paint included: the history, the plotted points
// and the repaints of the history plot. Packages come every 5 ms at the fastest rate (32
// readings of 33.3 us, a 30 s scan over a full history) and every 8 ms by default (in
// demonstration mode every package starts at time 0, so each one replaces the history).
// Packages are delivered at that pace and the event loop runs between them, as in the
// program, so paints the form defers are counted; the time reported is the GUI thread's CPU
// time per package. "straightforward" is the form's work done plainly: a new curve and a
// full repaint for every package, on a plot of the form's size.
#include "assets/assets.h"
#include "bench/support/paintcounter.h"
#include "bench/support/widgetbenchmain.h"
#include "orvexplotwidget/orvexplotwidget.h"
#include "resources/resourcerv38.h"
#include "views/multimeter/digitalmultimeterwidget.h"
#include "views/multimeter/multimeterhistory.h"

#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <random>

#include <time.h>

namespace {

constexpr double fastestIntegration = 0.0000333;
constexpr int fastestPoints = 32;
constexpr int defaultPoints = 256;
constexpr double fullScan = 30.0;
constexpr double defaultScan = 1.0;
// 30 s of readings at the fastest integration time.
constexpr int fullHistory = 900900;

// A noisy reading near 5 V, as a real input gives.
class Noise
{
public:
    QVector<double> package(int count)
    {
        QVector<double> values(count);
        for (double &value : values)
            value = 5.0 + m_noise(m_engine);
        return values;
    }

private:
    std::mt19937 m_engine {12345};
    std::normal_distribution<double> m_noise {0.0, 0.01};
};

void waitExposed(QWidget &widget)
{
    widget.show();
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

DigitalGeneratorMainParameters record(int points)
{
    DigitalGeneratorMainParameters main;
    main.function = FunctionDcVoltage;
    main.range = 10.0;
    main.ranges = voltageRanges;
    main.point_count = points;
    main.integration_time = fastestIntegration;
    return main;
}

// The form's size decides the plot's; the straightforward plot gets the same canvas.
QSize formPlotSize()
{
    DigitalMultimeterWidget form;
    waitExposed(form);
    return form.findChild<OrvexPlotWidget *>("plotWidget")->size();
}

struct Scenario
{
    int points;
    double scan;
    bool demonstration;
    int periodMs;
};

Scenario scenario(const benchmark::State &state)
{
    if (state.range(0) == 0)
        return {fastestPoints, fullScan, false, 5};
    return {defaultPoints, defaultScan, true, 8};
}

double threadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// One package per period: deliver it, then run the event loop until the next one is due.
template<typename Deliver>
void paced(benchmark::State &state, int periodMs, Deliver deliver)
{
    for (auto _ : state) {
        QElapsedTimer wall;
        wall.start();
        const double cpu = threadCpuSeconds();
        deliver();
        const qint64 left = periodMs - wall.elapsed();
        if (left > 0) {
            QEventLoop loop;
            QTimer::singleShot(int(left), &loop, &QEventLoop::quit);
            loop.exec();
        }
        QApplication::processEvents();
        state.SetIterationTime(threadCpuSeconds() - cpu);
    }
}

void straightforward(benchmark::State &state)
{
    const Scenario s = scenario(state);
    Noise noise;
    OrvexPlotWidget plot;
    plot.resize(formPlotSize());
    waitExposed(plot);
    MultimeterHistory history;
    double time = s.demonstration ? 0.0 : fastestIntegration;
    if (!s.demonstration) {
        history.append(time, noise.package(fullHistory), fastestIntegration);
        time += fullHistory * fastestIntegration;
    }
    PaintCounter counter;
    plot.canvas()->installEventFilter(&counter);
    paced(state, s.periodMs, [&] {
        history.append(time, noise.package(s.points), fastestIntegration);
        if (!s.demonstration)
            time += s.points * fastestIntegration;
        plot.clearCurves();
        history.trim(s.scan, fastestIntegration);
        QwtPlotCurve *curve = plot.addCurve(QString());
        curve->setPen(QPen(Qt::blue, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        plot.setMajorXGridLineVisible(true);
        plot.setMajorYGridLineVisible(true);
        plot.setMinorXGridLineVisible(true);
        plot.setMinorYGridLineVisible(true);
        curve->setSamples(historyPoints(history));
        if (!history.times.empty())
            plot.setAxisScale(QwtPlot::xBottom, history.times.front(),
                              history.times.front() + s.scan, 0);
        curve->show();
        plot.replot();
        QApplication::processEvents();
    });
    state.counters["history"] = double(history.times.size());
    state.counters["paints_per_package"] = double(counter.paints) / double(state.iterations());
}

void form(benchmark::State &state)
{
    const Scenario s = scenario(state);
    Noise noise;
    DigitalMultimeterWidget form;
    waitExposed(form);
    form.setMainParameters(record(s.points));
    form.setUiParameters({s.scan});
    double time = s.demonstration ? 0.0 : fastestIntegration;
    if (!s.demonstration) {
        form.setDigitalMultimeterData(time, noise.package(fullHistory));
        time += fullHistory * fastestIntegration;
    }
    auto *plot = form.findChild<OrvexPlotWidget *>("plotWidget");
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    paced(state, s.periodMs, [&] {
        form.setDigitalMultimeterData(time, noise.package(s.points));
        if (!s.demonstration)
            time += s.points * fastestIntegration;
    });
    state.counters["plotted"] = double(plot->curve(0)->dataSize());
    state.counters["paints_per_package"] = double(counter.paints) / double(state.iterations());
}

} // namespace

BENCHMARK(straightforward)
        ->ArgName("demonstration")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
BENCHMARK(form)
        ->ArgName("demonstration")
        ->Arg(0)
        ->Arg(1)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, initPraluneAssets);
}
