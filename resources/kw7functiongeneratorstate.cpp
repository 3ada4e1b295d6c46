#include "resources/kw7functiongeneratorstate.h"

#include "resources/storefile.h"

#include <cmath>

namespace {

// Values read back from an INI file arrive as text; what does not convert reads as zero.
int readInt(const QVariant &value)
{
    return value.toInt();
}

unsigned int readUInt(const QVariant &value)
{
    return value.toUInt();
}

double readDouble(const QVariant &value)
{
    return value.toDouble();
}

QString key(const char *name, unsigned int ch)
{
    return QString::fromLatin1(name).arg(ch);
}

// A stored value reaches the module only as a finite number within its limits. Anything else
// (a file's nan or inf, a negative frequency, a value beyond the module's reach, a missing key
// read as a 0 outside them) gives the fresh resource's value, and one line names the key.
void restoreLimited(const ResourceState &state, const QString &name, double &value, double fresh,
                    const FunctionGeneratorValueLimits &limits)
{
    const QVariant stored = state.value(name);
    const double read = readDouble(stored);
    if (std::isfinite(read) && read >= limits.min && read <= limits.max) {
        value = read;
        return;
    }
    value = fresh;
    const QString problem = stored.isValid()
            ? QStringLiteral("holds \"%1\", not a number within %2 .. %3")
                      .arg(stored.toString())
                      .arg(limits.min)
                      .arg(limits.max)
            : QStringLiteral("is missing");
    reportStoreProblem(
            QStringLiteral("generator state: %1 %2; %3 is used").arg(name, problem).arg(fresh));
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
    m.type = FunctionGeneratorModulationType(readInt(s[key("modulationOptions.type_%1", ch)]));
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

FunctionGeneratorStandardFunction restoredStandardFunction(const ResourceState &s, unsigned int ch)
{
    return FunctionGeneratorStandardFunction(readInt(s[key("standardFunction_%1", ch)]));
}

FunctionGeneratorOutputOptions restoredOutputOptions(const ResourceState &s, unsigned int ch,
                                                     FunctionGeneratorOutputOptions o,
                                                     const FunctionGeneratorOutputOptions &fresh)
{
    o.sampling_frequency = readUInt(s[key("outputOptions.sampling_frequency_%1", ch)]);
    o.range = readUInt(s[key("outputOptions.range_%1", ch)]);
    restoreLimited(s, key("outputOptions.impedance_%1", ch), o.impedance, fresh.impedance,
                   o.impedance_limits);
    restoreLimited(s, key("outputOptions.offset_%1", ch), o.offset, fresh.offset, o.offset_limits);
    return o;
}

bool restoredChannelEnable(const ResourceState &s, unsigned int ch)
{
    return s[key("channelsEnable_%1", ch)].toBool();
}

FunctionGeneratorAWGOptions restoredAwgOptions(const ResourceState &s, unsigned int ch,
                                               FunctionGeneratorAWGOptions a)
{
    a.file = s[key("awgOptions.file_%1", ch)].toString();
    a.channel = readUInt(s[key("awgOptions.channel_%1", ch)]);
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
    t.type = readInt(s[QStringLiteral("triggerOptions.type")]);
    restoreLimited(s, QStringLiteral("triggerOptions.delay"), t.delay, 0.0, t.delay_limits);
    return t;
}
