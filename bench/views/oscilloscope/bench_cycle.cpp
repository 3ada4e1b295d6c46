// One acquisition cycle of the oscilloscope at the largest read limit, through the real objects:
// a demonstration HX9 module and its resource, the view bound to it with its panel shown at
// 1024 x 600 and its miniature built, both channels and the math channel (A + B) on, the default
// measurements on every row, a time cursor, Auto mode. Each cycle is the data timer's tick (the
// module's dataReading) through to the painted canvas, buttons and miniature; the stages are
// told apart by the signals the road emits. The straightforward path runs in the same binary:
// std::sin and std::normal_distribution per sample, a deep copy, the plain thinning loop, a
// plain Qwt plot with the same pens and one pass per measurement.
//
// Run pinned to one core: taskset -c 2 build/bench_cycle (scripts/bench pins every benchmark).
#include "assets/assets.h"
#include "bench/support/straightforwardframe.h"
#include "bench/support/widgetbenchmain.h"
#include "hardware/mathchannel.h"
#include "hardware/modules/hx9/hx9module.h"
#include "resources/analysislibrary.h"
#include "resources/resourcedependence.h"
#include "resources/resourcehx9.h"
#include "views/oscilloscope/cursors/cursorssystem.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/digitaloscilloscopesettings.h"
#include "views/oscilloscope/digitaloscilloscopeview.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"
#include "views/oscilloscope/plotarea.h"

#include "support/runningcomparison.h"
#include "support/straightforwardevaluations.h"

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QMetaMethod>
#include <QStandardPaths>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

// Qt's hooks on every signal emission (what its test library's signal dump uses); declared here
// because they live in a private header.
struct QSignalSpyCallbackSet
{
    using BeginCallback = void (*)(QObject *caller, int signalIndex, void **argv);
    using EndCallback = void (*)(QObject *caller, int signalIndex);
    BeginCallback signal_begin_callback;
    BeginCallback slot_begin_callback;
    EndCallback signal_end_callback;
    EndCallback slot_end_callback;
};
void qt_register_signal_spy_callbacks(QSignalSpyCallbackSet *callbackSet);

namespace {

using Clock = std::chrono::steady_clock;
using Record = QVector<QVector<double>>;

constexpr int expectedPoints = 1024000;
constexpr int panelWidth = 1024;
constexpr int panelHeight = 600;
constexpr int cycles = 100;
constexpr int probeSeconds = 10;
// The measurements every row starts with.
const std::vector<EvaluationType> defaultSet {EvaluationAmplitude, EvaluationMean, EvaluationRms,
                                              EvaluationFrequency};

// Minor page faults so far: a fresh multi-megabyte buffer faults in page by page, so a cycle
// that copies or reallocates its rows shows thousands of them.
long minorFaults()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

double millisecondsBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// ---------------------------------------------------------------------------------------------
// Stage marks from signal emissions

enum Mark {
    FrameEmitted, // the module emits its rows: frame and math row done
    PlotFed, // the panel hands the record to the plot: re-emit and frame handler done
    WindowThinned, // the plot announces the visible window: copy and thinning done
    EvaluationsShown, // the plot feeds the cursors: measurements, buttons, miniature done
    CursorsFed, // the cursors have their data
    MarkCount
};

struct WatchedSignal
{
    const QObject *object;
    int signalIndex;
    Mark mark;
    bool atEnd;
};

std::vector<WatchedSignal> watched;
Clock::time_point marks[MarkCount];

int signalsDeclaredIn(const QMetaObject *mo)
{
    int count = 0;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
        count += mo->method(i).methodType() == QMetaMethod::Signal;
    return count;
}

// The index Qt's hooks report: signals only, counted over the class hierarchy.
int signalIndexOf(const QObject *object, const char *signature)
{
    const QMetaObject *mo = object->metaObject();
    const int method = mo->indexOfSignal(QMetaObject::normalizedSignature(signature));
    if (method < 0)
        qFatal("no signal %s", signature);
    const QMetaObject *owner = mo;
    while (owner->methodOffset() > method)
        owner = owner->superClass();
    int offset = 0;
    for (const QMetaObject *s = owner->superClass(); s; s = s->superClass())
        offset += signalsDeclaredIn(s);
    return offset + (method - owner->methodOffset());
}

int hits[MarkCount]; // per cycle
void stamp(QObject *caller, int signalIndex, bool atEnd)
{
    for (const WatchedSignal &w : watched) {
        if (w.object == caller && w.signalIndex == signalIndex && w.atEnd == atEnd) {
            marks[w.mark] = Clock::now();
            ++hits[w.mark];
        }
    }
}

// The resource's data timer is a member without a parent; while the set-up runs it is found
// as the precise 100 ms timer that fires.
bool lookingForDataTimer = false;
QTimer *dataTimerFound = nullptr;

void signalBegins(QObject *caller, int signalIndex, void **)
{
    stamp(caller, signalIndex, false);
    if (lookingForDataTimer) {
        auto *timer = qobject_cast<QTimer *>(caller);
        if (timer && timer->timerType() == Qt::PreciseTimer
            && timer->interval() == MezzanineOscilloscopeResource::DataIntervalMs)
            dataTimerFound = timer;
    }
}

void signalEnds(QObject *caller, int signalIndex)
{
    stamp(caller, signalIndex, true);
}

void watch(const QObject *object, const char *signature, Mark mark, bool atEnd = false)
{
    watched.push_back({object, signalIndexOf(object, signature), mark, atEnd});
}

void hookSignals(bool on)
{
    static QSignalSpyCallbackSet hooks {signalBegins, nullptr, signalEnds, nullptr};
    static QSignalSpyCallbackSet none {nullptr, nullptr, nullptr, nullptr};
    qt_register_signal_spy_callbacks(on ? &hooks : &none);
}

// ---------------------------------------------------------------------------------------------
// Figures

enum Stage { FrameStage, HandlerStage, PlotStage, EvaluationStage, TotalStage, StageCount };
const char *const stageNames[StageCount] = {"1 frame + math row", "2 re-emit + frame handler",
                                            "3 plot: copy, thinning, paint",
                                            "4 evaluations, buttons, miniature, cursors", "total"};

struct Samples
{
    std::vector<double> values;
    double median() const
    {
        if (values.empty())
            return 0.0;
        std::vector<double> v = values;
        std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
        return v[v.size() / 2];
    }
    double worst() const
    {
        return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
    }
    double percentile(double p) const
    {
        if (values.empty())
            return 0.0;
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
    }
};

struct PathFigures
{
    Samples stages[StageCount];
    Samples faults; // minor page faults per cycle
    Samples probe;
    int probeCycles = 0;
    Samples drag;
    Samples zoom;
};

std::map<std::string, PathFigures> figures; // "program", "straightforward"
Samples floorFrame; // memcpy of one frame's bytes (three rows)

// ---------------------------------------------------------------------------------------------
// The probe: a thread posts an event stamped when sent every 10 ms; the GUI thread notes how
// late each one arrives.

class ProbeEvent : public QEvent
{
public:
    static QEvent::Type kind() { return static_cast<QEvent::Type>(QEvent::User + 37); }
    explicit ProbeEvent(Clock::time_point sent)
        : QEvent(kind())
        , sent(sent)
    { }
    Clock::time_point sent;
};

class ProbeReceiver : public QObject
{
public:
    Samples latencies;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != ProbeEvent::kind())
            return QObject::event(event);
        latencies.values.push_back(
                millisecondsBetween(static_cast<ProbeEvent *>(event)->sent, Clock::now()));
        return true;
    }
};

// Runs the event loop for probeSeconds with the probe posting; returns the latencies.
Samples probeEventLoop()
{
    ProbeReceiver receiver;
    std::atomic<bool> running {true};
    std::thread poster([&] {
        auto next = Clock::now();
        while (running.load()) {
            next += std::chrono::milliseconds(10);
            std::this_thread::sleep_until(next);
            QCoreApplication::postEvent(&receiver, new ProbeEvent(Clock::now()));
        }
    });
    QEventLoop loop;
    QTimer::singleShot(probeSeconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    running.store(false);
    poster.join();
    QCoreApplication::sendPostedEvents(&receiver);
    return receiver.latencies;
}

// ---------------------------------------------------------------------------------------------
// The program's path

struct ProgramPath
{
    HX9Module module;
    std::shared_ptr<ResourceHX9> resource;
    DigitalOscilloscopeView view;
    DigitalOscilloscopeWidget *panel = nullptr;
    CustomPlot *plot = nullptr;
    QWidget *pinned = nullptr;
    QTimer *dataTimer = nullptr;
    int timeIndex = -1;
    int windowFirst = 0;
    int windowLast = 0;

    ProgramPath();
    void applyTimeIndex(int index);
    void stopDataTimer();
    void cycle(PathFigures &f);
    int pointCount() const { return plot->getRawData().value(0).size(); }
};

ProgramPath::ProgramPath()
    : resource(std::make_shared<ResourceHX9>())
{
    module.setDemoMode(true);
    if (module.init() != 0)
        qFatal("demonstration module did not initialize");
    resource->getDependencies()->first();
    resource->getDependencies()->setModule(&module);
    if (!resource->create())
        qFatal("resource not created");
    for (DigitalOscilloscopeChannelParameters channel : resource->channelParameters()) {
        channel.state = 1;
        resource->configureChannelParameters(channel);
    }
    DigitalOscilloscopeMathChannelParameters math = resource->mathChannelParameters();
    math.state = 1;
    math.type = 0; // A + B
    math.sourceA = 0;
    math.sourceB = 1;
    resource->configureMathChannelParameters(math);

    // The module's rows are watched from before the resource connects to them, so the first
    // mark is the end of the frame itself.
    watch(&module, "dataChanged(double,QVector<QVector<double>>&)", FrameEmitted);

    DigitalOscilloscopeView::settings()->setPointCountIndex(
            int(DigitalOscilloscopeView::settings()->defaultPointCountValues().size()) - 1);
    std::shared_ptr<ResourceInterface> bound = resource;
    view.resourceApplied(bound);
    panel = static_cast<DigitalOscilloscopeWidget *>(view.fullScreenUserInterface());
    pinned = view.pinnedUserInterface();
    panel->resize(panelWidth, panelHeight);
    panel->show();
    pinned->show();
    plot = panel->plot();
    panel->plotArea()->cursorsSystem().setSettings({1, 0, 1});

    watch(panel, "dataChanged(double,QVector<QVector<double>>&)", PlotFed);
    watch(plot, "visualDataChanged(double,QVector<QVector<double>>&,int,int)", WindowThinned);
    watch(plot, "evaluationDataChanged(double,double,QVector<QVector<double>>&)", EvaluationsShown);
    watch(plot, "evaluationDataChanged(double,double,QVector<QVector<double>>&)", CursorsFed, true);

    // The time base whose frame holds the whole read limit with the most of it in view.
    lookingForDataTimer = true;
    int bestWindow = 0;
    for (int index = 0; index < int(DigitalOscilloscopeWidget::horizontalDivisions.size());
         ++index) {
        applyTimeIndex(index);
        if (pointCount() == expectedPoints && windowLast - windowFirst > bestWindow) {
            bestWindow = windowLast - windowFirst;
            timeIndex = index;
        }
    }
    if (timeIndex < 0)
        qFatal("no time base gives %d samples per channel", expectedPoints);
    for (const std::vector<EvaluationType> &row : resource->evaluationTypes()) {
        if (row != defaultSet)
            qFatal("a row does not measure the default set");
    }
    applyTimeIndex(timeIndex);
    lookingForDataTimer = false;
    if (!dataTimer)
        qFatal("the resource's data timer was not found");
    std::fprintf(stderr,
                 "program path: time division index %d, period %g s, %d samples per channel, "
                 "%d rows, visible window [%d, %d)\n",
                 timeIndex, resource->timeParameters().period, pointCount(),
                 int(plot->getRawData().size()), windowFirst, windowLast);
}

// Starts Auto at the time index, lets the resource configure the module, and reads one frame.
void ProgramPath::applyTimeIndex(int index)
{
    panel->setHDivision(index);
    panel->autoStartModeHandler();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    dataTimer = dataTimerFound;
    stopDataTimer();
    const auto window = QObject::connect(plot, &CustomPlot::visualDataChanged,
                                         [this](double, Record &, int f, int l) {
                                             windowFirst = f;
                                             windowLast = l;
                                         });
    module.dataReading();
    QObject::disconnect(window);
    QCoreApplication::processEvents();
}

void ProgramPath::stopDataTimer()
{
    if (dataTimer)
        dataTimer->stop();
}

void ProgramPath::cycle(PathFigures &f)
{
    // The resource restarts its data timer whenever it applies a change; the benchmark is the
    // timer here.
    stopDataTimer();
    std::fill(std::begin(hits), std::end(hits), 0);
    const long faultsBefore = minorFaults();
    const Clock::time_point start = Clock::now();
    module.dataReading();
    const Clock::time_point road = Clock::now();
    plot->canvas()->repaint();
    const Clock::time_point canvas = Clock::now();
    QCoreApplication::processEvents();
    const Clock::time_point end = Clock::now();

    f.stages[FrameStage].values.push_back(millisecondsBetween(start, marks[FrameEmitted]));
    f.stages[HandlerStage].values.push_back(
            millisecondsBetween(marks[FrameEmitted], marks[PlotFed]));
    f.stages[PlotStage].values.push_back(millisecondsBetween(marks[PlotFed], marks[WindowThinned])
                                         + millisecondsBetween(road, canvas));
    f.stages[EvaluationStage].values.push_back(millisecondsBetween(marks[WindowThinned], road)
                                               + millisecondsBetween(canvas, end));
    f.stages[TotalStage].values.push_back(millisecondsBetween(start, end));
    f.faults.values.push_back(double(minorFaults() - faultsBefore));
    // Each mark once, or another frame ran inside the cycle.
    if (std::any_of(std::begin(hits), std::end(hits), [](int h) { return h != 1; }))
        qFatal("a cycle ran more than one frame: marks hit %d %d %d %d %d times", hits[0], hits[1],
               hits[2], hits[3], hits[4]);
}

ProgramPath *program = nullptr;

// ---------------------------------------------------------------------------------------------
// The straightforward path

struct StraightforwardPath
{
    std::mt19937 engine;
    Record moduleRows {3};
    Record plotRecord;
    QwtPlot plot;
    QwtPlotCurve *curves[3];
    double period = 0.0;
    MathChannel math;
    double values[3] = {};

    StraightforwardPath(QSize canvasSize, double samplePeriod);
    void cycle(PathFigures &f, bool paintNow = true);
};

StraightforwardPath::StraightforwardPath(QSize canvasSize, double samplePeriod)
    : period(samplePeriod)
{
    math.configure(true, MathChannel::Sum, 0, 1, 0.0);
    const QColor colors[3] = {Qt::yellow, Qt::cyan, Qt::magenta};
    for (int c = 0; c < 3; ++c) {
        curves[c] = new QwtPlotCurve;
        curves[c]->setPen(
                QPen(QBrush(colors[c]), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        curves[c]->attach(&plot);
    }
    plot.setAxisScale(QwtPlot::xBottom, 0.0, expectedPoints * period);
    plot.setAxisScale(QwtPlot::yLeft, -5.0, 5.0);
    plot.resize(canvasSize);
    plot.show();
    QCoreApplication::processEvents();
}

void StraightforwardPath::cycle(PathFigures &f, bool paintNow)
{
    const long faultsBefore = minorFaults();
    const Clock::time_point start = Clock::now();
    straightforwardFrame(engine, moduleRows, 2, expectedPoints, period);
    math.setSourceData(moduleRows);
    moduleRows[2] = math.calculate();
    const Clock::time_point frame = Clock::now();
    plotRecord = Record();
    for (const QVector<double> &row : moduleRows)
        plotRecord.append(QVector<double>(row.cbegin(), row.cend()));
    for (int c = 0; c < 3; ++c) {
        QVector<double> xs, ys;
        runningComparisonPoints(plotRecord[c], 0, plotRecord[c].size(), 1024, 0.0, period, 1.0, xs,
                                ys);
        curves[c]->setSamples(xs, ys);
    }
    plot.replot();
    if (paintNow)
        plot.canvas()->repaint();
    const Clock::time_point painted = Clock::now();
    for (int c = 0; c < 3; ++c) {
        const QVector<double> &row = plotRecord[c];
        values[c] =
                straightforward::calc(period, row.constData(), std::size_t(row.size()), defaultSet)
                        .back()
                        .second;
    }
    const Clock::time_point end = Clock::now();
    benchmark::DoNotOptimize(values);

    f.stages[FrameStage].values.push_back(millisecondsBetween(start, frame));
    f.stages[HandlerStage].values.push_back(0.0);
    f.stages[PlotStage].values.push_back(millisecondsBetween(frame, painted));
    f.stages[EvaluationStage].values.push_back(millisecondsBetween(painted, end));
    f.stages[TotalStage].values.push_back(millisecondsBetween(start, end));
    f.faults.values.push_back(double(minorFaults() - faultsBefore));
}

StraightforwardPath *straightforward = nullptr;

// ---------------------------------------------------------------------------------------------
// Benchmarks

void reportMedians(benchmark::State &state, const PathFigures &f)
{
    for (int s = 0; s < TotalStage; ++s)
        state.counters[std::string("stage") + char('1' + s) + "_ms"] = f.stages[s].median();
    state.counters["total_ms"] = f.stages[TotalStage].median();
    state.counters["page_faults"] = f.faults.median();
}

void BM_CycleProgram(benchmark::State &state)
{
    PathFigures &f = figures["program"];
    for (auto _ : state)
        program->cycle(f);
    reportMedians(state, f);
}
BENCHMARK(BM_CycleProgram)->Iterations(cycles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CycleStraightforward(benchmark::State &state)
{
    PathFigures &f = figures["straightforward"];
    for (auto _ : state)
        straightforward->cycle(f);
    reportMedians(state, f);
}
BENCHMARK(BM_CycleStraightforward)
        ->Iterations(cycles / 4)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

// The floor: the frame's bytes (three rows) copied once.
void BM_FloorFrameCopy(benchmark::State &state)
{
    std::vector<double> from(3 * std::size_t(expectedPoints), 1.0);
    std::vector<double> to(from.size(), 0.0);
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::memcpy(to.data(), from.data(), from.size() * sizeof(double));
        benchmark::ClobberMemory();
        floorFrame.values.push_back(millisecondsBetween(start, Clock::now()));
    }
}
BENCHMARK(BM_FloorFrameCopy)->Iterations(cycles)->Unit(benchmark::kMillisecond)->UseRealTime();

// A drag step and a zoom step on the stopped record: each re-runs the thinning and the
// measurements, then paints.
void BM_DragAndZoomProgram(benchmark::State &state)
{
    PathFigures &f = figures["program"];
    CustomPlot *plot = program->plot;
    int step = 0;
    for (auto _ : state) {
        program->stopDataTimer();
        Clock::time_point start = Clock::now();
        plot->moveHorizontal(step++ % 2 ? 8 : -8);
        plot->canvas()->repaint();
        QCoreApplication::processEvents();
        f.drag.values.push_back(millisecondsBetween(start, Clock::now()));
        start = Clock::now();
        if (step % 2)
            plot->xZoomIn();
        else
            plot->xZoomOut();
        plot->canvas()->repaint();
        QCoreApplication::processEvents();
        f.zoom.values.push_back(millisecondsBetween(start, Clock::now()));
    }
    state.counters["drag_ms"] = f.drag.median();
    state.counters["zoom_ms"] = f.zoom.median();
}
BENCHMARK(BM_DragAndZoomProgram)->Iterations(40)->Unit(benchmark::kMillisecond)->UseRealTime();

// Auto mode for ten seconds on the data timer, with the probe posting.
void BM_ProbeProgram(benchmark::State &state)
{
    PathFigures &f = figures["program"];
    int frames = 0;
    auto counter = QObject::connect(program->plot, &CustomPlot::visualDataChanged,
                                    [&frames] { ++frames; });
    for (auto _ : state) {
        program->panel->autoStartModeHandler();
        f.probe = probeEventLoop();
        program->stopDataTimer();
    }
    QObject::disconnect(counter);
    f.probeCycles = frames;
    state.counters["probe_p99_ms"] = f.probe.percentile(0.99);
    state.counters["probe_max_ms"] = f.probe.worst();
    state.counters["cycles"] = frames;
}
BENCHMARK(BM_ProbeProgram)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProbeStraightforward(benchmark::State &state)
{
    PathFigures &f = figures["straightforward"];
    PathFigures scratch;
    int frames = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(100);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        straightforward->cycle(scratch, false);
        ++frames;
    });
    for (auto _ : state) {
        timer.start();
        f.probe = probeEventLoop();
        timer.stop();
    }
    f.probeCycles = frames;
    state.counters["probe_p99_ms"] = f.probe.percentile(0.99);
    state.counters["probe_max_ms"] = f.probe.worst();
    state.counters["cycles"] = frames;
}
BENCHMARK(BM_ProbeStraightforward)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void printSummary()
{
    const PathFigures &p = figures["program"];
    const PathFigures &s = figures["straightforward"];
    const double floorMs = floorFrame.median();
    std::printf("\nOne cycle, %d samples per channel, 3 rows; milliseconds, median / worst\n",
                expectedPoints);
    std::printf("| Stage | Program | Straightforward | Ratio | Program / floor |\n");
    std::printf("|---|---|---|---|---|\n");
    // Stages 1, 3 and 4 each must touch the frame's bytes once at least.
    const double floors[StageCount] = {floorMs, 0.0, floorMs, floorMs, 3.0 * floorMs};
    for (int st = 0; st < StageCount; ++st) {
        const double pm = p.stages[st].median();
        const double sm = s.stages[st].median();
        std::printf("| %s | %.2f / %.2f | %.2f / %.2f | %s | %s |\n", stageNames[st], pm,
                    p.stages[st].worst(), sm, s.stages[st].worst(),
                    pm > 0.0 && sm > 0.0
                            ? QByteArray::number(sm / pm, 'f', 1).append("x").constData()
                            : "-",
                    floors[st] > 0.0
                            ? QByteArray::number(pm / floors[st], 'f', 1).append("x").constData()
                            : "-");
    }
    std::printf("Minor page faults per cycle (median): program %.0f, straightforward %.0f\n",
                p.faults.median(), s.faults.median());
    std::printf("Floor: memcpy of one frame (3 rows, %.1f MB): %.2f ms median\n",
                3.0 * expectedPoints * sizeof(double) / 1e6, floorMs);
    std::printf("Probe (event posted every 10 ms from another thread, %d s): program p99 %.1f ms, "
                "max %.1f ms, %d cycles; straightforward p99 %.1f ms, max %.1f ms, %d cycles\n",
                probeSeconds, p.probe.percentile(0.99), p.probe.worst(), p.probeCycles,
                s.probe.percentile(0.99), s.probe.worst(), s.probeCycles);
    std::printf("Drag step %.2f ms (worst %.2f), zoom step %.2f ms (worst %.2f)\n", p.drag.median(),
                p.drag.worst(), p.zoom.median(), p.zoom.worst());
}

void finish()
{
    printSummary();
    hookSignals(false);
    delete straightforward;
    delete program;
}

void prepare()
{
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
    hookSignals(true);
    program = new ProgramPath;
    program->stopDataTimer();
    straightforward = new StraightforwardPath(program->plot->canvas()->size(),
                                              program->resource->timeParameters().period);
}

} // namespace

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv, prepare, finish);
}
