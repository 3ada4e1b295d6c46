#include "hardware/demowaveformgenerator.h"
#include "hardware/mersennetwister.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace {

// The simulated frame as the standard library computes it: one fresh distribution per frame
// over the caller's engine, rows one after the other.
std::vector<std::vector<double>> referenceFrame(std::mt19937 &engine, int rows, int points,
                                                double period)
{
    std::normal_distribution<double> noise(0.0, 5.0);
    std::vector<std::vector<double>> frame(static_cast<std::size_t>(rows),
                                           std::vector<double>(static_cast<std::size_t>(points)));
    for (auto &row : frame) {
        for (int k = 0; k < points; ++k) {
            const double g = noise(engine);
            row[std::size_t(k)] = 2 * std::sin(6280.0 * k * period) + 0.1 * (g - std::trunc(g));
        }
    }
    return frame;
}

} // namespace

class TestDemoWaveformGenerator : public QObject
{
    Q_OBJECT
private slots:
    void twisterMatchesStandardEngine();
    void frameMatchesStandardLibrary_data();
    void frameMatchesStandardLibrary();
    void emptyFrameDrawsNothing();
    void framesKeepTheirBits();
};

void TestDemoWaveformGenerator::twisterMatchesStandardEngine()
{
    std::mt19937 reference;
    MersenneTwister twister;
    // Single draws and bulk draws of every size around the 624-word block, interleaved.
    const std::size_t sizes[] = {1, 5, 623, 1, 624, 625, 3000, 1, 1248, 7};
    for (std::size_t size : sizes) {
        std::vector<std::uint32_t> bulk(size);
        if (size == 1)
            bulk[0] = twister();
        else
            twister.generate(bulk.data(), size);
        for (std::size_t i = 0; i < size; ++i)
            QCOMPARE(bulk[i], std::uint32_t(reference()));
    }
    MersenneTwister seeded(12345u);
    std::mt19937 seededReference(12345u);
    for (int i = 0; i < 2000; ++i)
        QCOMPARE(seeded(), std::uint32_t(seededReference()));
}

void TestDemoWaveformGenerator::frameMatchesStandardLibrary_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("period");
    QTest::addColumn<int>("frames");

    QTest::newRow("two channels, 1 us") << 2 << 1000 << 1e-6 << 3;
    QTest::newRow("one channel, odd count drops the saved deviate") << 1 << 1001 << 3e-9 << 3;
    QTest::newRow("two channels, odd count carries the deviate across rows")
            << 2 << 333 << 3e-6 << 2;
    QTest::newRow("few points") << 2 << 3 << 0.25 << 4;
    QTest::newRow("one point") << 1 << 1 << 1e-6 << 5;
    QTest::newRow("block edges") << 2 << 2049 << 6.4e-9 << 2;
    // Angles up to about 1.6e6 rad: without allowing for the rounding of 6280 · k · period
    // the deviation reaches 2e-10; everywhere else it stays at a few 1e-16.
    QTest::newRow("longest period, long frame") << 1 << 600000 << 0.000419392 << 1;
    QTest::newRow("long frame at 1 us") << 2 << 1024000 << 1e-6 << 1;
}

void TestDemoWaveformGenerator::frameMatchesStandardLibrary()
{
    QFETCH(int, rows);
    QFETCH(int, points);
    QFETCH(double, period);
    QFETCH(int, frames);

    std::mt19937 engine(5489u);
    DemoWaveformGenerator generator;
    std::vector<std::vector<double>> frame(static_cast<std::size_t>(rows),
                                           std::vector<double>(static_cast<std::size_t>(points)));
    std::vector<double *> targets;
    for (auto &row : frame)
        targets.push_back(row.data());

    for (int f = 0; f < frames; ++f) {
        generator.generateFrame(targets.data(), rows, points, period);
        const auto expected = referenceFrame(engine, rows, points, period);
        double worst = 0.0;
        for (int r = 0; r < rows; ++r)
            for (int k = 0; k < points; ++k)
                worst = std::max(worst, std::abs(frame[r][k] - expected[r][k]));
        QVERIFY2(worst <= 1e-12,
                 qPrintable(QStringLiteral("frame %1: deviation %2").arg(f).arg(worst, 0, 'g', 3)));
    }
}

void TestDemoWaveformGenerator::emptyFrameDrawsNothing()
{
    DemoWaveformGenerator generator;
    generator.generateFrame(nullptr, 0, 100, 1e-6);
    generator.generateFrame(nullptr, 2, 0, 1e-6);
    std::vector<double> row(10);
    double *target = row.data();
    generator.generateFrame(&target, 1, 10, 1e-6);
    std::mt19937 engine(5489u);
    const auto expected = referenceFrame(engine, 1, 10, 1e-6);
    for (int k = 0; k < 10; ++k)
        QVERIFY(std::abs(row[k] - expected[0][k]) <= 1e-9);
}

// The generator's own bits, not only their closeness to the standard library: a compiler
// option or instruction-set clone that changed one rounding (a fused multiply-add, a
// reassociated sum) would still pass the 1e-12 comparison but show here. The fingerprint,
// FNV-1a over the samples' bytes, was taken from the scalar build and agrees with the
// SSE2, AVX2 and AVX-512 builds of the same sources.
void TestDemoWaveformGenerator::framesKeepTheirBits()
{
    struct Frame
    {
        int rows;
        int points;
        double period;
    };
    // Block edges, an odd count that drops a deviate, and a full sine block at 1 us, one
    // after the other on the same generator.
    const Frame frames[] = {{2, 2049, 6.4e-9}, {1, 1001, 3e-9}, {2, 4096, 1e-6}};
    DemoWaveformGenerator generator;
    std::uint64_t hash = 14695981039346656037ull;
    for (const Frame &f : frames) {
        std::vector<std::vector<double>> rows(std::size_t(f.rows),
                                              std::vector<double>(std::size_t(f.points)));
        std::vector<double *> targets;
        for (auto &row : rows)
            targets.push_back(row.data());
        generator.generateFrame(targets.data(), f.rows, f.points, f.period);
        for (const auto &row : rows) {
            for (double sample : row) {
                std::uint64_t bits;
                std::memcpy(&bits, &sample, sizeof bits);
                for (int b = 0; b < 8; ++b) {
                    hash ^= (bits >> (8 * b)) & 0xffu;
                    hash *= 1099511628211ull;
                }
            }
        }
    }
    QCOMPARE(QString::number(hash, 16), QStringLiteral("a374471d0cc2d605"));
}

QTEST_GUILESS_MAIN(TestDemoWaveformGenerator)
#include "tst_demowaveformgenerator.moc"
