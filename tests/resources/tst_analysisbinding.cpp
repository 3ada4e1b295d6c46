// The run-time binding of the analysis library: a library that is not there, one that lacks
// functions, and the real module found beside the program.
#include "resources/analysislibrary.h"

#include "nianlys.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <vector>

namespace {
using Library = AnalysisLibrary;
constexpr Library::LevelSettings Levels {1, 90.0, 50.0, 10.0, 1, 2, 256};

// Slots set to a value no call would write, to see that a failed call left them alone.
template<typename Results>
Results marked()
{
    Results r;
    std::vector<unsigned char> bytes(sizeof r, 0x5a);
    std::memcpy(static_cast<void *>(&r), bytes.data(), sizeof r);
    return r;
}

template<typename Results>
bool untouched(const Results &r)
{
    const Results mark = marked<Results>();
    return std::memcmp(&r, &mark, sizeof r) == 0;
}

// The slots are packed, so comparing bytes compares every slot and nothing else.
static_assert(sizeof(Library::PulseParamResults) == 9 * sizeof(double) + 4 * sizeof(int32_t),
              "pulse parameter slots are packed");
static_assert(sizeof(Library::PulseMeasResults) == 7 * sizeof(double), "packed");
static_assert(sizeof(Library::CycleResults) == 7 * sizeof(double), "packed");

const std::vector<double> Square {1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0};
} // namespace

class TestAnalysisBinding : public QObject
{
    Q_OBJECT
private slots:
    void missingLibrary()
    {
        QTemporaryDir empty;
        Library library({empty.filePath(NIANLYS_LIBRARY_NAME)});
        // Twice: the second call finds the library just as missing, without a new search.
        for (int round = 0; round < 2; ++round) {
            auto param = marked<Library::PulseParamResults>();
            auto meas = marked<Library::PulseMeasResults>();
            auto cycle = marked<Library::CycleResults>();
            QCOMPARE(library.pulseParam(Square.data(), int32_t(Square.size()), param),
                     Library::LibraryNotLoaded);
            QCOMPARE(library.pulseMeas(Square.data(), int32_t(Square.size()), 1, Levels, meas),
                     Library::LibraryNotLoaded);
            QCOMPARE(library.cycleRmsAverage(Square.data(), int32_t(Square.size()), Levels, cycle),
                     Library::LibraryNotLoaded);
            QVERIFY(untouched(param));
            QVERIFY(untouched(meas));
            QVERIFY(untouched(cycle));
            QVERIFY(!library.isLoaded());
        }
        QCOMPARE(Library::LibraryNotLoaded, -5093);
    }

    void missingFunctions()
    {
        // The first name is not there; the binding goes on to the next.
        QTemporaryDir empty;
        Library library({empty.filePath(NIANLYS_LIBRARY_NAME), NIANLYS_PARTIAL_PATH});
        auto param = marked<Library::PulseParamResults>();
        auto meas = marked<Library::PulseMeasResults>();
        QCOMPARE(library.pulseParam(Square.data(), int32_t(Square.size()), param),
                 Library::FunctionNotFound);
        QVERIFY(library.isLoaded());
        QCOMPARE(library.pulseMeas(Square.data(), int32_t(Square.size()), 0, Levels, meas),
                 Library::FunctionNotFound);
        QVERIFY(untouched(param));
        QVERIFY(untouched(meas));
        QCOMPARE(Library::FunctionNotFound, -5094);
        // The function it has is called, and its own status comes back.
        Library::CycleResults cycle;
        QCOMPARE(library.cycleRmsAverage(Square.data(), int32_t(Square.size()), Levels, cycle), 7);
        QCOMPARE(cycle.mean, 1.25);
        QCOMPARE(cycle.rms, 2.5);
    }

    void moduleBesideProgram()
    {
        Library &library = Library::instance();
        Library::PulseParamResults param;
        QCOMPARE(library.pulseParam(Square.data(), int32_t(Square.size()), param), 0);
        QVERIFY(library.isLoaded());
        QCOMPARE(param.highLevel, 1.0);
        QCOMPARE(param.lowLevel, 0.0);
        Library::PulseMeasResults meas;
        QCOMPARE(library.pulseMeas(Square.data(), int32_t(Square.size()), 1, Levels, meas), 0);
        QCOMPARE(meas.period, 6.0);
        QCOMPARE(meas.dutyCycle, 0.5);
    }
};

QTEST_GUILESS_MAIN(TestAnalysisBinding)
#include "tst_analysisbinding.moc"
