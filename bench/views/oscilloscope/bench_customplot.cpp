// One oscilloscope frame through the plot: two rows of 1,024,000 samples (the largest read
// limit), fed the way the module feeds them (the producer overwrites its rows every frame, so
// the copy that implicit sharing defers is paid at that write), thinned and painted on a
// 1000 x 600 plot with 2 px pens. Each part is timed on its own, then the whole frame, and the
// straightforward path as the baseline: both raw rows in two curves, replotted.
#include "bench/support/paintcounter.h"
#include "bench/support/widgetbenchmain.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/plotgeometry.h"

#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using Record = QVector<QVector<double>>;

constexpr int plotWidth = 1000;
constexpr int plotHeight = 600;
constexpr int rowLength = 1024000;
constexpr int rowCount = 2;
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
    for (int c = 0; c < rowCount; ++c) {
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

void replot(benchmark::State &state)
{
    auto plot = makePlot();
    Record rows = makeFrame(Frame(state.range(0)));
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    for (auto _ : state) {
        plot->replot();
        QApplication::processEvents();
    }
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
}

// The whole frame: the producer's overwrite (with the detach), the record path, the paint.
void frame(benchmark::State &state)
{
    auto plot = makePlot();
    const Record source = makeFrame(Frame(state.range(0)));
    Record rows = source;
    plot->dataChanged(0.0, rows);
    QApplication::processEvents();
    PaintCounter counter;
    plot->canvas()->installEventFilter(&counter);
    for (auto _ : state) {
        overwrite(rows, source);
        plot->dataChanged(0.0, rows);
        QApplication::processEvents();
    }
    addCounters(state, counter.paints, int(plot->curve(0)->dataSize()));
}

// What the producer's overwrite costs without a plot sharing its rows: frame minus this is the
// plot's share of the frame.
void producerWrite(benchmark::State &state)
{
    const Record source = makeFrame(Frame(state.range(0)));
    Record rows = source;
    rows[0].detach();
    rows[1].detach();
    for (auto _ : state) {
        overwrite(rows, source);
        benchmark::DoNotOptimize(rows[0].constData());
    }
}

// The straightforward path: both raw rows in two curves of a plain plot, replotted.
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
    const QColor colors[] = {Qt::darkYellow, Qt::darkCyan};
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
                const bool curveA = a == QColor(Qt::darkYellow) || a == QColor(Qt::darkCyan);
                const bool curveB = b == QColor(Qt::darkYellow) || b == QColor(Qt::darkCyan);
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
