// One oscilloscope frame through the plot: two channel rows of 1,024,000 samples (the largest
// read limit) and the math row A + B, thinned and painted on a 1024 x 600 plot with 2 px pens.
// The producer writes every frame into rows of its own: into a second record while the plot
// holds the first (the program's path, nothing copied), or into the one record the plot still
// shares (the copy that implicit sharing defers is paid at that write). Each part is timed on
// its own, then the whole frame, a drag step and a zoom step, and the straightforward path as
// the baseline: the running-comparison thinning, and all raw rows in curves, replotted.
#include "bench/support/paintcounter.h"
#include "bench/support/widgetbenchmain.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/plotgeometry.h"

#include "support/runningcomparison.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>

namespace {

using Record = QVector<QVector<double>>;

constexpr int plotWidth = 1024;
constexpr int plotHeight = 600;
constexpr int rowLength = 1024000;
constexpr int rowCount = 3;
constexpr int oneMs = 18;
const QVector<double> timeTable {1e-9, 2e-9, 5e-9, 1e-8, 2e-8, 5e-8, 1e-7, 2e-7, 5e-7, 1e-6,
                                 2e-6, 5e-6, 1e-5, 2e-5, 5e-5, 1e-4, 2e-4, 5e-4, 1e-3, 2e-3,
                                 5e-3, 1e-2, 2e-2, 5e-2, 0.1,  0.2,  0.5,  1.0};
// 8 ms on the canvas hold the whole row.
constexpr double scanTime = 8e-3;
constexpr double period = scanTime / rowLength;

enum Frame { Demonstration = 0, Sine = 1 };

// The demonstration frame is noise over a sine, so every bucket is a full-height stroke; the
// clean frame is a 1 kHz sine.
Record makeFrame(Frame frame)
{
    Record rows(rowCount);
    quint32 noise = 12345;
    for (int c = 0; c < 2; ++c) {
        rows[c].resize(rowLength);
        double *row = rows[c].data();
        for (int i = 0; i < rowLength; ++i) {
            const double t = i * period;
            double value = (c == 0 ? 1.5 : 1.0) * std::sin(2.0 * M_PI * 1000.0 * t + c);
            if (frame == Demonstration) {
                noise = noise * 1664525u + 1013904223u;
                value += 0.8 * (double(noise >> 8) / double(1u << 24) - 0.5);
            }
            row[i] = value;
        }
    }
    // The math row A + B.
    rows[2].resize(rowLength);
    for (int i = 0; i < rowLength; ++i)
        rows[2][i] = rows[0][i] + rows[1][i];
    return rows;
}

void waitExposed(QWidget &widget)
{
    widget.show();
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

std::unique_ptr<CustomPlot> makePlot()
{
    auto plot = std::make_unique<CustomPlot>(3);
    plot->setXDivisions(timeTable);
    plot->setGrid(Division(), 1e-3, 1.0);
    plot->setDefaultXZoom(oneMs);
    plot->setCurveColors({Qt::darkYellow, Qt::darkCyan, Qt::darkGreen});
    plot->setBackgroundColor(Qt::white);
    plot->resize(plotWidth, plotHeight);
    waitExposed(*plot);
    plot->setTimeParameters(period, scanTime);
    return plot;
}

// The producer's write of a new frame into rows the plot still shares.
void overwrite(Record &rows, const Record &source)
{
    for (int c = 0; c < rowCount; ++c) {
        double *row = rows[c].data(); // detaches from the plot's copy
        std::copy(source[c].constBegin(), source[c].constEnd(), row);
    }
}

// The slowest single iteration, in milliseconds: a frame must fit its period every time, not
// on average.
class WorstIteration
{
public:
    void start() { begin = std::chrono::steady_clock::now(); }
    void stop()
    {
        const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - begin;
        worst = std::max(worst, took.count());
    }
    void report(benchmark::State &state) const { state.counters["worst_ms"] = worst; }

private:
    std::chrono::steady_clock::time_point begin;
    double worst = 0.0;
};

void addCounters(benchmark::State &state, int paints, int points)
{
    state.counters["paints_per_frame"] = double(paints) / double(state.iterations());
    state.counters["points_per_curve"] = points;
}

void copy(benchmark::State &state)
{
    const Record source = makeFrame(Frame(state.range(0)));
    for (auto _ : state) {
        Record shared = source;
        for (int c = 0; c < rowCount; ++c)
            benchmark::DoNotOptimize(shared[c].data()); // the deferred deep copy
    }
}

void thinning(benchmark::State &state)
{
    const Record source = makeFrame(Frame(state.range(0)));
    QVector<double> xs;
    QVector<double> ys;
    for (auto _ : state) {
        for (int c = 0; c < rowCount; ++c) {
            xs.clear();
            ys.clear();
            appendPlotPoints(source[c], 0, rowLength, defaultMaxVisiblePoints, -4e-3, period, 1.0,
                             xs, ys);
            benchmark::DoNotOptimize(xs.constData());
        }
    }
    state.counters["points_per_curve"] = xs.size();
}

void thinningStraightforward(benchmark::State &state)
{
    const Record source = makeFrame(Frame(state.range(0)));
    QVector<double> xs;
    QVector<double> ys;
    for (auto _ : state) {
        for (int c = 0; c < rowCount; ++c) {
            xs.clear();
            ys.clear();
            runningComparisonPoints(source[c], 0, rowLength, defaultMaxVisiblePoints, -4e-3, period,
                                    1.0, xs, ys);
            benchmark::DoNotOptimize(xs.constData());
        }
    }
    state.counters["points_per_curve"] = xs.size();
}

void replot(benchmark::State &state)
{
    auto plot = makePlot();
    Record rows = makeFrame(Frame(state.range(0)));
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    WorstIteration worst;
    for (auto _ : state) {
        worst.start();
        plot->replot();
        QApplication::processEvents();
        worst.stop();
    }
    worst.report(state);
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
}

// The whole frame as the program runs it: the producer writes into the record the plot no
// longer holds (double buffers), then the record path and the paint. deep_copies_per_frame
// counts the rows whose write had to detach from a record still shared.
void frame(benchmark::State &state)
{
    auto plot = makePlot();
    const Record source = makeFrame(Frame(state.range(0)));
    Record buffers[2] = {source, source};
    for (Record &rows : buffers) {
        for (int c = 0; c < rowCount; ++c)
            rows[c].detach();
    }
    plot->dataChanged(0.0, buffers[1]);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    int next = 0;
    int copies = 0;
    WorstIteration worst;
    for (auto _ : state) {
        worst.start();
        Record &rows = buffers[next];
        const double *before = rows.at(0).constData();
        overwrite(rows, source);
        copies += rows.at(0).constData() != before ? 1 : 0;
        plot->dataChanged(0.0, rows);
        QApplication::processEvents();
        next = 1 - next;
        worst.stop();
    }
    worst.report(state);
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
    state.counters["deep_copies_per_frame"] = double(copies) / double(state.iterations());
}

// The frame when the producer writes into the one record the plot still shares: every row is
// copied at that write.
void frameSharedRecord(benchmark::State &state)
{
    auto plot = makePlot();
    const Record source = makeFrame(Frame(state.range(0)));
    Record rows = source;
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    WorstIteration worst;
    for (auto _ : state) {
        worst.start();
        overwrite(rows, source);
        plot->dataChanged(0.0, rows);
        QApplication::processEvents();
        worst.stop();
    }
    worst.report(state);
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
}

// One drag step of the mouse (40 pixels, back and forth) over the held record: the window
// moves, the rows are thinned again and the evaluation signal goes out.
void dragStep(benchmark::State &state)
{
    auto plot = makePlot();
    Record rows = makeFrame(Frame(state.range(0)));
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    int evaluations = 0;
    QObject::connect(plot.get(), &CustomPlot::evaluationDataChanged,
                     [&evaluations](double, double, Record &) { ++evaluations; });
    int direction = -1;
    WorstIteration worst;
    for (auto _ : state) {
        worst.start();
        plot->moveHorizontal(40 * direction);
        QApplication::processEvents();
        direction = -direction;
        worst.stop();
    }
    worst.report(state);
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
    state.counters["evaluations_per_step"] = double(evaluations) / double(state.iterations());
}

// One zoom step through the table (in to 0.5 ms per division and out again): half the record
// and then all of it thinned again, the evaluation signal each time.
void zoomStep(benchmark::State &state)
{
    auto plot = makePlot();
    Record rows = makeFrame(Frame(state.range(0)));
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    int evaluations = 0;
    QObject::connect(plot.get(), &CustomPlot::evaluationDataChanged,
                     [&evaluations](double, double, Record &) { ++evaluations; });
    bool in = true;
    WorstIteration worst;
    for (auto _ : state) {
        worst.start();
        if (in)
            plot->xZoomIn();
        else
            plot->xZoomOut();
        QApplication::processEvents();
        in = !in;
        worst.stop();
    }
    worst.report(state);
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
    state.counters["evaluations_per_step"] = double(evaluations) / double(state.iterations());
}

// The cursors' feed of one frame: a time cursor on the plot area takes the record by address
// and formats its readings for the readings panel.
void cursorFeed(benchmark::State &state)
{
    auto *plot = new CustomPlot(3);
    plot->setXDivisions(timeTable);
    plot->setGrid(Division(), 1e-3, 1.0);
    plot->setDefaultXZoom(oneMs);
    PlotArea area(plot);
    QWidget *readings = area.cursorsEvaluationWidget();
    readings->setParent(&area);
    area.resize(plotWidth, plotHeight);
    waitExposed(area);
    plot->setTimeParameters(period, scanTime);
    area.cursorsSystem().setSettings(CursorsSettings {1, 0, 1});
    Record rows = makeFrame(Frame(state.range(0)));
    const double *before = rows.at(0).constData();
    QApplication::processEvents();
    WorstIteration worst;
    for (auto _ : state) {
        worst.start();
        area.cursorsSystem().setData(period, 0.0, rows);
        QApplication::processEvents();
        worst.stop();
    }
    worst.report(state);
    state.counters["deep_copies"] = rows.at(0).constData() != before ? 1 : 0;
}

// What the producer's overwrite costs without a plot sharing its rows: frame minus this is the
// plot's share of the frame.
void producerWrite(benchmark::State &state)
{
    const Record source = makeFrame(Frame(state.range(0)));
    Record rows = source;
    for (int c = 0; c < rowCount; ++c)
        rows[c].detach();
    for (auto _ : state) {
        overwrite(rows, source);
        benchmark::DoNotOptimize(rows[0].constData());
    }
}

// The straightforward path: all raw rows in curves of a plain plot, replotted.
void rawBaseline(benchmark::State &state)
{
    const Record source = makeFrame(Frame(state.range(0)));
    QVector<double> xs(rowLength);
    for (int i = 0; i < rowLength; ++i)
        xs[i] = -4e-3 + i * period;
    OrvexPlotWidget plot;
    plot.setAxisScale(QwtPlot::xBottom, -4e-3, 4e-3);
    plot.setAxisScale(QwtPlot::yLeft, -4.0, 4.0);
    plot.enableAxis(QwtPlot::xBottom, false);
    plot.enableAxis(QwtPlot::yLeft, false);
    const QColor colors[] = {Qt::darkYellow, Qt::darkCyan, Qt::darkGreen};
    for (int c = 0; c < rowCount; ++c) {
        QwtPlotCurve *curve = plot.addCurve(QString());
        curve->setPen(colors[c], 2.0);
        curve->setRawSamples(xs.constData(), source[c].constData(), rowLength);
    }
    plot.resize(plotWidth, plotHeight);
    waitExposed(plot);
    PaintCounter counter;
    plot.canvas()->installEventFilter(&counter);
    for (auto _ : state) {
        plot.replot();
        QApplication::processEvents();
    }
    addCounters(state, counter.paints, rowLength);
}

bool isCurveColour(const QColor &colour)
{
    return colour == QColor(Qt::darkYellow) || colour == QColor(Qt::darkCyan)
            || colour == QColor(Qt::darkGreen);
}

// Not a timing: the share of pixels in which the plot's picture differs from Qwt drawing the
// same thinned points with the same pens on a plain plot of the same size.
void pictureDifference(benchmark::State &state)
{
    auto plot = makePlot();
    Record rows = makeFrame(Frame(state.range(0)));
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    const QImage mine = plot->grab().toImage();

    OrvexPlotWidget reference;
    reference.setMinorXGridLineVisible(false);
    reference.setMinorYGridLineVisible(false);
    reference.enableAxis(QwtPlot::xBottom, false);
    reference.enableAxis(QwtPlot::yLeft, false);
    reference.setAxisScaleDiv(QwtPlot::xBottom, plot->axisScaleDiv(QwtPlot::xBottom));
    reference.setAxisScaleDiv(QwtPlot::yLeft, plot->axisScaleDiv(QwtPlot::yLeft));
    reference.plotLayout()->setCanvasMargin(0);
    for (int c = 0; c < rowCount; ++c) {
        QwtPlotCurve *curve = reference.addCurve(QString());
        curve->setPen(plot->curve(c)->pen());
        QVector<QPointF> points;
        for (size_t i = 0; i < plot->curve(c)->dataSize(); ++i)
            points.append(plot->curve(c)->sample(int(i)));
        curve->setSamples(points);
    }
    reference.resize(plotWidth, plotHeight);
    waitExposed(reference);
    const QImage theirs = reference.grab().toImage();

    // Only the curves are compared: the plot draws its own scales, and its marker lines
    // (black) cover the curves where they cross.
    int differing = 0;
    int total = 0;
    for (auto _ : state) {
        differing = 0;
        total = mine.width() * mine.height();
        for (int y = 0; y < mine.height(); ++y) {
            for (int x = 0; x < mine.width(); ++x) {
                const QColor a = mine.pixelColor(x, y);
                const QColor b = theirs.pixelColor(x, y);
                const bool curveA = isCurveColour(a);
                const bool curveB = isCurveColour(b);
                if (a == QColor(Qt::black))
                    continue;
                if (curveA != curveB || (curveA && a != b))
                    ++differing;
            }
        }
    }
    state.counters["differing_pixel_share"] = double(differing) / double(total);
}

} // namespace

BENCHMARK(copy)->ArgName("frame")->Arg(Demonstration)->Unit(benchmark::kMillisecond);
BENCHMARK(thinning)->ArgName("frame")->Arg(Demonstration)->Arg(Sine)->Unit(benchmark::kMillisecond);
BENCHMARK(thinningStraightforward)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Arg(Sine)
        ->Unit(benchmark::kMillisecond);
BENCHMARK(replot)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Arg(Sine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
BENCHMARK(producerWrite)->ArgName("frame")->Arg(Demonstration)->Unit(benchmark::kMillisecond);
BENCHMARK(frame)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Arg(Sine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
BENCHMARK(frameSharedRecord)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
BENCHMARK(cursorFeed)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
BENCHMARK(dragStep)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Arg(Sine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
BENCHMARK(zoomStep)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Arg(Sine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
BENCHMARK(rawBaseline)
        ->ArgName("frame")
        ->Arg(Demonstration)
        ->Arg(Sine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
BENCHMARK(pictureDifference)->ArgName("frame")->Arg(Demonstration)->Arg(Sine)->Iterations(1);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
