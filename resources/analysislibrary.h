#pragma once

#include <QLibrary>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <mutex>

// The outside signal-analysis library, bound at run time: loaded by name on the first call of
// any of its functions, each function looked up once by its export name and kept. A library
// that cannot be loaded stays unloaded for the life of the object, so a machine without it
// pays for one search, not one per measured frame.
class AnalysisLibrary
{
public:
    static constexpr int32_t LibraryNotLoaded = -5093;
    static constexpr int32_t FunctionNotFound = -5094;

    // Result slots in the library's order. They start at 0, so a call that fails before it
    // reaches the library leaves zeros behind, never stale or uninitialised values.
    struct PulseParamResults
    {
        double amplitude = 0.0;
        double highReference = 0.0;
        double middleReference = 0.0;
        double lowReference = 0.0;
        double highLevel = 0.0;
        double lowLevel = 0.0;
        double overshoot = 0.0;
        double undershoot = 0.0;
        int32_t riseIndex = 0;
        int32_t fallIndex = 0;
        int32_t riseSamples = 0;
        int32_t fallSamples = 0;
        double riseSlope = 0.0;
    };
    struct PulseMeasResults
    {
        double period = 0.0;
        double width = 0.0;
        double dutyCycle = 0.0;
        double periods = 0.0;
        double firstCrossing = 0.0;
        double highLevel = 0.0;
        double lowLevel = 0.0;
    };
    struct CycleResults
    {
        double mean = 0.0;
        double rms = 0.0;
        double cycles = 0.0;
        double first = 0.0;
        double last = 0.0;
        double highLevel = 0.0;
        double lowLevel = 0.0;
    };
    // The arguments that choose how the library finds levels and crossings: the reference
    // levels in percent of the span between the state levels, and its histogram settings.
    struct LevelSettings
    {
        int32_t method;
        double highPercent;
        double middlePercent;
        double lowPercent;
        int32_t a;
        int32_t b;
        int32_t histogramSize;
    };

    // The process-wide binding: the library beside the program first, then wherever the
    // system's library search finds it.
    static AnalysisLibrary &instance();

    // A binding that tries the given file names in order (tests point it at other modules);
    // none: the process-wide binding's search.
    explicit AnalysisLibrary(const QStringList &fileNames);
    AnalysisLibrary(const AnalysisLibrary &) = delete;
    AnalysisLibrary &operator=(const AnalysisLibrary &) = delete;

    bool isLoaded() const;

    // Each returns the library's status, or LibraryNotLoaded / FunctionNotFound without
    // touching the results.
    int32_t pulseParam(const double *samples, int32_t count, PulseParamResults &results);
    int32_t pulseMeas(const double *samples, int32_t count, int32_t polarity,
                      const LevelSettings &settings, PulseMeasResults &results);
    int32_t cycleRmsAverage(const double *samples, int32_t count, const LevelSettings &settings,
                            CycleResults &results);

private:
    bool ensureLoaded();
    void load();

    QStringList m_fileNames;
    QLibrary m_library;
    std::once_flag m_loadOnce;
    std::atomic<bool> m_loaded {false};
    // As resolved; analysislibrary.cpp alone knows their types (the module's header stays
    // out of every header of the program).
    QFunctionPointer m_pulseParam = nullptr;
    QFunctionPointer m_pulseMeas = nullptr;
    QFunctionPointer m_cycleRmsAverage = nullptr;
};
