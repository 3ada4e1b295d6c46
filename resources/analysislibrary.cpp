#include "resources/analysislibrary.h"

#include "nianlys.h"

#include <QCoreApplication>
#include <QtDebug>

namespace {

QStringList defaultFileNames()
{
    QStringList names;
    // Without an application object there is no program folder to look in.
    if (QCoreApplication::instance())
        names << QCoreApplication::applicationDirPath() + QLatin1Char('/')
                        + QLatin1String(NIANLYS_LIBRARY_NAME);
    names << QLatin1String(NIANLYS_LIBRARY_NAME);
    return names;
}

} // namespace

AnalysisLibrary &AnalysisLibrary::instance()
{
    // The names are settled at the first call of a function, when the program's folder is
    // known, not when the binding is first mentioned.
    static AnalysisLibrary library({});
    return library;
}

AnalysisLibrary::AnalysisLibrary(const QStringList &fileNames)
    : m_fileNames(fileNames)
{ }

bool AnalysisLibrary::isLoaded() const
{
    return m_loaded;
}

void AnalysisLibrary::load()
{
    const QStringList names = m_fileNames.isEmpty() ? defaultFileNames() : m_fileNames;
    QStringList errors;
    for (const QString &name : names) {
        m_library.setFileName(name);
        if (m_library.load())
            break;
        errors << m_library.errorString();
    }
    if (!m_library.isLoaded()) {
        qWarning().noquote() << "Analysis library not loaded, its measurements read 0:"
                             << errors.join(QLatin1String("; "));
        return;
    }
    m_pulseParam = m_library.resolve(NIANLYS_PULSE_PARAM_EXPORT);
    m_pulseMeas = m_library.resolve(NIANLYS_PULSE_MEAS_EXPORT);
    m_cycleRmsAverage = m_library.resolve(NIANLYS_CYCLE_RMS_AVERAGE_EXPORT);
    m_loaded = true;
}

bool AnalysisLibrary::ensureLoaded()
{
    std::call_once(m_loadOnce, [this] { load(); });
    return m_loaded;
}

int32_t AnalysisLibrary::pulseParam(const double *samples, int32_t count, PulseParamResults &r)
{
    if (!ensureLoaded())
        return LibraryNotLoaded;
    if (!m_pulseParam)
        return FunctionNotFound;
    const auto function = reinterpret_cast<NianlysPulseParamFunction>(m_pulseParam);
    return function(samples, count, &r.amplitude, &r.highReference, &r.middleReference,
                    &r.lowReference, &r.highLevel, &r.lowLevel, &r.overshoot, &r.undershoot,
                    &r.riseIndex, &r.fallIndex, &r.riseSamples, &r.fallSamples, &r.riseSlope);
}

int32_t AnalysisLibrary::pulseMeas(const double *samples, int32_t count, int32_t polarity,
                                   const LevelSettings &s, PulseMeasResults &r)
{
    if (!ensureLoaded())
        return LibraryNotLoaded;
    if (!m_pulseMeas)
        return FunctionNotFound;
    const auto function = reinterpret_cast<NianlysPulseMeasFunction>(m_pulseMeas);
    return function(samples, count, polarity, s.method, s.highPercent, s.middlePercent,
                    s.lowPercent, s.a, s.b, s.histogramSize, &r.period, &r.width, &r.dutyCycle,
                    &r.periods, &r.firstCrossing, &r.highLevel, &r.lowLevel);
}

int32_t AnalysisLibrary::cycleRmsAverage(const double *samples, int32_t count,
                                         const LevelSettings &s, CycleResults &r)
{
    if (!ensureLoaded())
        return LibraryNotLoaded;
    if (!m_cycleRmsAverage)
        return FunctionNotFound;
    const auto function = reinterpret_cast<NianlysCycleRmsAverageFunction>(m_cycleRmsAverage);
    return function(samples, count, s.method, s.highPercent, s.middlePercent, s.lowPercent, s.a,
                    s.b, s.histogramSize, &r.mean, &r.rms, &r.cycles, &r.first, &r.last,
                    &r.highLevel, &r.lowLevel);
}
