// One preview redraw of a channel that plays a 4,000,000-sample waveform file whose samples
// the collection has cached, against the straightforward bucket loop over the same samples in
// the same run. Every keystroke on the panel redraws, so this is the cost of a keystroke in
// waveform mode.
#include "resources/functiongeneratorawgfilescollection.h"
#include "views/functiongenerator/functiongeneratorpreview.h"
#include "views/functiongenerator/functiongeneratorwidget.h"

#include "orvexplotwidget/orvexplotwidget.h"

#include <qwt_plot_curve.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int sampleCount = 4000000;
constexpr unsigned sampleRateMHz = 75;

struct Fixture
{
    std::unique_ptr<FunctionGeneratorWidget> panel;
    QVector<double> samples;
    int budget = 0;
    double span = 0.0;
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// The Part's bucket loop written plainly: for each bucket its smallest and its largest sample.
void straightforward(benchmark::State &state)
{
    const Fixture &f = fixture();
    const double dt = (1.0 / sampleRateMHz) / 1e6;
    const int n = f.samples.size();
    const double count = std::min(std::ceil(f.span / dt) + 1, double(n));
    const int bucket = int(std::ceil(count / f.budget));
    for (auto _ : state) {
        QVector<double> x;
        QVector<double> y;
        for (int k = 0; k < n; k += bucket) {
            const int last = std::min(k + bucket - 1, n - 1);
            double low = f.samples[k];
            double high = f.samples[k];
            for (int i = k + 1; i <= last; ++i) {
                low = std::min(low, f.samples[i]);
                high = std::max(high, f.samples[i]);
            }
            x.append(k * dt);
            y.append(low);
            x.append((k + (last - k) / 2) * dt);
            y.append(high);
        }
        benchmark::DoNotOptimize(y.data());
    }
    state.counters["points"] = double(2 * ((n + bucket - 1) / bucket));
}

void panelRedraw(benchmark::State &state)
{
    FunctionGeneratorWidget *panel = fixture().panel.get();
    auto *plot = panel->findChild<OrvexPlotWidget *>(QStringLiteral("plotWidget"));
    for (auto _ : state)
        QMetaObject::invokeMethod(panel, "displayFunction", Q_ARG(unsigned int, 0u));
    state.counters["points"] = double(plot->curve(0)->dataSize());
}

BENCHMARK(straightforward)->Unit(benchmark::kMillisecond);
BENCHMARK(panelRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The collection copies imported files into the user's Documents; keep them in a folder
    // of this run.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("pralune-bench"));
    QDir().mkpath(FunctionGeneratorAwgFilesCollection::dataPath());

    const QString source = home.filePath(QStringLiteral("long.csv"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray text;
        text.reserve(sampleCount * 10);
        for (int i = 0; i < sampleCount; ++i)
            text += QByteArray::number(std::sin(i * 0.001) + 0.1 * std::sin(i * 0.37), 'f', 5)
                    + '\n';
        file.write(text);
    }
    FunctionGeneratorAwgFilesCollection &files = FunctionGeneratorAwgFilesCollection::instance();
    const int row = files.addCopy(source);

    Fixture &f = fixture();
    f.panel = std::make_unique<FunctionGeneratorWidget>();
    f.panel->resize(1288, 733);
    f.panel->show(); // the plot's width, laid out, is the vertex budget
    f.panel->setChannelEnable(0, true);
    FunctionGeneratorOutputOptions output;
    output.sampling_frequency = sampleRateMHz;
    f.panel->setOutputOptions(0, output);
    FunctionGeneratorAWGOptions awg;
    awg.file = files.file(row);
    f.panel->setAWGOptions(0, awg); // pins the file, so its samples stay cached
    f.panel->setMode(FunctionGeneratorMode::ArbitraryWaveform);
    f.samples = files.data(row, 0);
    f.budget = f.panel->findChild<OrvexPlotWidget *>(QStringLiteral("plotWidget"))
                       ->contentsRect()
                       .width();
    f.span = functionGeneratorWaveformSpan(f.samples.size(), sampleRateMHz);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    f.panel.reset();
    return 0;
}
