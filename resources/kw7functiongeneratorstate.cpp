#include "resources/kw7functiongeneratorstate.h"

#include "resources/functiongeneratorawgfilescollection.h"
#include "resources/functiongeneratorimpedance.h"
#include "resources/storedvalue.h"
#include "resources/storefile.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const QString Owner = QStringLiteral("generator");

QString key(const char *name, unsigned int ch)
{
    return QString::fromLatin1(name).arg(ch);
}

// Every record of the generator carries its limits beside the value they bound.
void restoreLimited(const ResourceState &state, const QString &name, double &value, double fresh,
                    const FunctionGeneratorValueLimits &limits)
{
    value = restoredNumber(state, Owner, name, fresh, limits.min, limits.max);
}

int restoreListed(const ResourceState &state, const QString &name, int fresh,
                  const std::function<bool(int)> &listed)
{
    return restoredChoice(state, Owner, name, fresh, listed);
}

bool isModulationType(int type)
{
    return type >= int(FunctionGeneratorModulationType::Off)
            && type <= int(FunctionGeneratorModulationType::FrequencyShiftKeying);
}

bool isSignalIndex(int index)
{
    return index >= 0;
}

// The amplitude and frequency every block of a standard function has.
template<typename Block>
void restoreWave(const ResourceState &s, unsigned int ch, const char *block, Block &b,
                 const Block &fresh)
{
    const QString prefix = QStringLiteral("standardFunctionOptions.") + QLatin1String(block);
    restoreLimited(s, QString(prefix + QStringLiteral(".double_amplitude_%1")).arg(ch),
                   b.double_amplitude, fresh.double_amplitude, b.double_amplitude_limits);
    restoreLimited(s, QString(prefix + QStringLiteral(".frequency_%1")).arg(ch), b.frequency,
                   fresh.frequency, b.frequency_limits);
}

} // namespace

FunctionGeneratorModulationOptions
restoredModulationOptions(const ResourceState &s, unsigned int ch,
                          FunctionGeneratorModulationOptions m,
                          const FunctionGeneratorModulationOptions &fresh)
{
    m.type = FunctionGeneratorModulationType(restoreListed(s, key("modulationOptions.type_%1", ch),
                                                           int(fresh.type), isModulationType));
    restoreLimited(s, key("modulationOptions.frequency_%1", ch), m.frequency, fresh.frequency,
                   m.frequency_limits);
    restoreLimited(s, key("modulation_options.modulation_index_%1", ch), m.modulation_index,
                   fresh.modulation_index, m.modulation_index_limits);
    restoreLimited(s, key("modulation_options.frequency_deviation_%1", ch), m.frequency_deviation,
                   fresh.frequency_deviation, m.frequency_deviation_limits);
    restoreLimited(s, key("modulation_options.phase_deviation_%1", ch), m.phase_deviation,
                   fresh.phase_deviation, m.phase_deviation_limits);
    return m;
}

FunctionGeneratorStartardFunctionOptions
restoredFunctionOptions(const ResourceState &s, unsigned int ch,
                        FunctionGeneratorStartardFunctionOptions f,
                        const FunctionGeneratorStartardFunctionOptions &fresh)
{
    restoreWave(s, ch, "sineOptions", f.sineOptions, fresh.sineOptions);
    restoreLimited(s, key("standardFunctionOptions.sineOptions.phase_%1", ch), f.sineOptions.phase,
                   fresh.sineOptions.phase, f.sineOptions.phase_limits);
    restoreWave(s, ch, "squareOptions", f.squareOptions, fresh.squareOptions);
    restoreWave(s, ch, "rectangularOptions", f.rectangularOptions, fresh.rectangularOptions);
    restoreLimited(s, key("standardFunctionOptions.rectangularOptions.duty_cycle_%1", ch),
                   f.rectangularOptions.duty_cycle, fresh.rectangularOptions.duty_cycle,
                   f.rectangularOptions.duty_cycle_limits);
    restoreWave(s, ch, "triangluarOptions", f.triangluarOptions, fresh.triangluarOptions);
    restoreLimited(s, key("standardFunctionOptions.triangluarOptions.symmetry_%1", ch),
                   f.triangluarOptions.symmetry, fresh.triangluarOptions.symmetry,
                   f.triangluarOptions.symmetry_limits);
    restoreWave(s, ch, "positiveRampOptions", f.positiveRampOptions, fresh.positiveRampOptions);
    restoreWave(s, ch, "negativeRampOptions", f.negativeRampOptions, fresh.negativeRampOptions);
    return f;
}

void storeChannelOptions(ResourceState &s, unsigned int ch,
                         const FunctionGeneratorChannelOptions &c)
{
    const FunctionGeneratorOutputOptions &o = c.outputOptions;
    const FunctionGeneratorModulationOptions &m = c.modulationOptions;
    const FunctionGeneratorStartardFunctionOptions &f = c.standardFunctionOptions;
    s[key("standardFunction_%1", ch)] = int(c.standardFunction);
    s[key("outputOptions.sampling_frequency_%1", ch)] = o.sampling_frequency;
    s[key("outputOptions.impedance_%1", ch)] = o.impedance;
    s[key("outputOptions.range_%1", ch)] = o.range;
    s[key("outputOptions.offset_%1", ch)] = o.offset;
    s[key("modulationOptions.type_%1", ch)] = int(m.type);
    s[key("modulationOptions.frequency_%1", ch)] = m.frequency;
    s[key("modulation_options.modulation_index_%1", ch)] = m.modulation_index;
    s[key("modulation_options.frequency_deviation_%1", ch)] = m.frequency_deviation;
    s[key("modulation_options.phase_deviation_%1", ch)] = m.phase_deviation;
    s[key("standardFunctionOptions.sineOptions.double_amplitude_%1", ch)] =
            f.sineOptions.double_amplitude;
    s[key("standardFunctionOptions.sineOptions.frequency_%1", ch)] = f.sineOptions.frequency;
    s[key("standardFunctionOptions.sineOptions.phase_%1", ch)] = f.sineOptions.phase;
    s[key("standardFunctionOptions.squareOptions.double_amplitude_%1", ch)] =
            f.squareOptions.double_amplitude;
    s[key("standardFunctionOptions.squareOptions.frequency_%1", ch)] = f.squareOptions.frequency;
    s[key("standardFunctionOptions.rectangularOptions.double_amplitude_%1", ch)] =
            f.rectangularOptions.double_amplitude;
    s[key("standardFunctionOptions.rectangularOptions.frequency_%1", ch)] =
            f.rectangularOptions.frequency;
    s[key("standardFunctionOptions.rectangularOptions.duty_cycle_%1", ch)] =
            f.rectangularOptions.duty_cycle;
    s[key("standardFunctionOptions.triangluarOptions.double_amplitude_%1", ch)] =
            f.triangluarOptions.double_amplitude;
    s[key("standardFunctionOptions.triangluarOptions.frequency_%1", ch)] =
            f.triangluarOptions.frequency;
    s[key("standardFunctionOptions.triangluarOptions.symmetry_%1", ch)] =
            f.triangluarOptions.symmetry;
    s[key("standardFunctionOptions.positiveRampOptions.double_amplitude_%1", ch)] =
            f.positiveRampOptions.double_amplitude;
    s[key("standardFunctionOptions.positiveRampOptions.frequency_%1", ch)] =
            f.positiveRampOptions.frequency;
    s[key("standardFunctionOptions.negativeRampOptions.double_amplitude_%1", ch)] =
            f.negativeRampOptions.double_amplitude;
    s[key("standardFunctionOptions.negativeRampOptions.frequency_%1", ch)] =
            f.negativeRampOptions.frequency;
    s[key("channelsEnable_%1", ch)] = c.enable;
    s[key("awgOptions.file_%1", ch)] = c.awgOptions.file;
    s[key("awgOptions.channel_%1", ch)] = c.awgOptions.channel;
}

FunctionGeneratorStandardFunction
restoredStandardFunction(const ResourceState &s, unsigned int ch,
                         const std::set<FunctionGeneratorStandardFunction> &supported,
                         FunctionGeneratorStandardFunction fresh)
{
    return FunctionGeneratorStandardFunction(
            restoreListed(s, key("standardFunction_%1", ch), int(fresh), [&](int function) {
                return supported.count(FunctionGeneratorStandardFunction(function)) != 0;
            }));
}

FunctionGeneratorOutputOptions restoredOutputOptions(const ResourceState &s, unsigned int ch,
                                                     FunctionGeneratorOutputOptions o,
                                                     const FunctionGeneratorOutputOptions &fresh,
                                                     const std::set<unsigned int> &ranges)
{
    const auto isRate = [](int rate) {
        return std::find(std::begin(functionGeneratorSampleRatesMHz),
                         std::end(functionGeneratorSampleRatesMHz), unsigned(rate))
                != std::end(functionGeneratorSampleRatesMHz);
    };
    o.sampling_frequency = unsigned(restoreListed(s, key("outputOptions.sampling_frequency_%1", ch),
                                                  int(fresh.sampling_frequency), isRate));
    o.range = unsigned(restoreListed(s, key("outputOptions.range_%1", ch), int(fresh.range),
                                     [&](int range) { return range > 0 && ranges.count(range); }));
    restoreLimited(s, key("outputOptions.impedance_%1", ch), o.impedance, fresh.impedance,
                   o.impedance_limits);
    // Loads are kept as the list of loads shows them; a fraction would match none of its rows.
    o.impedance = functionGeneratorImpedanceAsShown(o.impedance);
    restoreLimited(s, key("outputOptions.offset_%1", ch), o.offset, fresh.offset, o.offset_limits);
    return o;
}

bool restoredChannelEnable(const ResourceState &s, unsigned int ch)
{
    return s[key("channelsEnable_%1", ch)].toBool();
}

namespace {

// Why the panel would refuse a stored signal; none when it plays. The panel shows a refused
// signal as no file, so the module must not play it either.
std::optional<QString> awgRefusal(const FunctionGeneratorAWGOptions &a)
{
    FunctionGeneratorAwgFilesCollection &files = FunctionGeneratorAwgFilesCollection::instance();
    const int index = files.indexOf(a.file);
    if (index < 0)
        return QStringLiteral("is not in the list of imported files");
    if (a.channel >= unsigned(files.countSignals(index)))
        return QStringLiteral("has no signal %1").arg(a.channel + 1);
    if (!files.isPlayable(index, int(a.channel)))
        return QStringLiteral("holds no playable signal %1").arg(a.channel + 1);
    return std::nullopt;
}

} // namespace

FunctionGeneratorAWGOptions restoredAwgOptions(const ResourceState &s, unsigned int ch,
                                               FunctionGeneratorAWGOptions a)
{
    a.file = s[key("awgOptions.file_%1", ch)].toString();
    a.channel = unsigned(restoreListed(s, key("awgOptions.channel_%1", ch), 0, isSignalIndex));
    // No file plays nothing; the index waits for a file.
    if (a.file.isEmpty())
        return a;
    if (const std::optional<QString> refusal = awgRefusal(a)) {
        reportStoreProblem(QStringLiteral("generator state: %1 \"%2\" %3; no file is used")
                                   .arg(key("awgOptions.file_%1", ch), a.file, *refusal));
        return FunctionGeneratorAWGOptions();
    }
    return a;
}

void storeTriggerOptions(ResourceState &s, const FunctionGeneratorTriggerOptions &t)
{
    s[QStringLiteral("triggerOptions.type")] = t.type;
    s[QStringLiteral("triggerOptions.delay")] = t.delay;
}

FunctionGeneratorTriggerOptions restoredTriggerOptions(const ResourceState &s,
                                                       FunctionGeneratorTriggerOptions t)
{
    t.type = restoreListed(s, QStringLiteral("triggerOptions.type"), 0,
                           [](int type) { return type == 0 || type == 1; });
    restoreLimited(s, QStringLiteral("triggerOptions.delay"), t.delay, 0.0, t.delay_limits);
    return t;
}

std::optional<FunctionGeneratorMode> restoredMode(const ResourceState &s)
{
    const QString name = QStringLiteral("mode");
    // The mode is the one value that an older state may lack; it is then kept.
    if (!s.contains(name))
        return std::nullopt;
    const QVariant stored = s.value(name);
    const std::optional<double> read = storedNumber(stored);
    if (read && (*read == 0.0 || *read == 1.0))
        return FunctionGeneratorMode(int(*read));
    // Text counts as no key at all; any other number as the fresh resource's mode.
    const std::optional<FunctionGeneratorMode> used = read
            ? std::optional<FunctionGeneratorMode>(FunctionGeneratorMode::StandardFunctions)
            : std::nullopt;
    reportRefusedValue(Owner, name, stored, QStringLiteral("one of its values"),
                       used ? QStringLiteral("0") : QStringLiteral("the present mode"));
    return used;
}
