#pragma once

#include <QMetaType>
#include <QtGlobal>

// The oscilloscope's settings as the view and the oscilloscope resources exchange them: plain
// records passed by value. Field names follow the keys of the resources' stored state.

enum DigitalOscilloscopeStartType : int {
    DigitalOscilloscopeSingle = 1, // one frame, then the resource stops itself
    DigitalOscilloscopeAutomatic = 2, // frames until stopped
    DigitalOscilloscopeCyclic = 3, // frames until stopped
};

enum DigitalOscilloscopeEventMode : int {
    DigitalOscilloscopeEdge = 0,
    DigitalOscilloscopeRunt = 1,
    DigitalOscilloscopeWindow = 2,
    DigitalOscilloscopeRate = 3,
    DigitalOscilloscopeImpulse = 4, // pulse duration
    DigitalOscilloscopeInterval = 5,
};

// A channel record holds it as a truth value: true selects the first impedance, 50 Ω, which is
// what the channel settings show.
enum DigitalOscilloscopeImpedanceType : int {
    DigitalOscilloscopeLowImpedance = 0, // 50 Ω
    DigitalOscilloscopeHighImpedance = 1, // 1 MΩ
};

struct DigitalOscilloscopeChannelParameters
{
    int channel = 0; // 0 or 1; selects the record's slot on set
    int state = 0; // non-zero: channel on
    quint8 range = 0; // index into the resource's supported ranges
    int filter = 0; // code of one of the resource's supported filters
    bool impedance = false; // true: DigitalOscilloscopeLowImpedance
    double offset = 0.0; // volts, added by the module to every sample
    bool coupling = false; // passed to the module as 0 or 1
};

struct DigitalOscilloscopeMathChannelParameters
{
    int type = 0; // 0 A + B, 1 A - B, 2 A * B, 3 A / B
    int state = 0; // non-zero: math channel on
    double offset = 0.0; // coefficient of the operation
    int sourceA = 0; // channel number of operand A
    int sourceB = 0; // channel number of operand B
};

struct DigitalOscilloscopeTriggerParameters
{
    int channel = 0; // source channel number
    double prehistory = 0.0; // seconds of the frame before the trigger
    int mode = 0; // a DigitalOscilloscopeEventMode
    bool polarity = false;
    // The two levels and the two times each reach the module as one pair.
    double level1 = 0.0; // volts
    double level2 = 0.0;
    double time1 = 0.0; // seconds
    double time2 = 0.0;
};

struct DigitalOscilloscopeTimeParameters
{
    double period = 0.0; // sampling period, seconds
    double time = 0.0; // scan time of one frame, seconds
};

// Field by field, doubles exactly: records are copied, never computed, between view and resource.
inline bool operator==(const DigitalOscilloscopeChannelParameters &a,
                       const DigitalOscilloscopeChannelParameters &b)
{
    return a.channel == b.channel && a.state == b.state && a.range == b.range
            && a.filter == b.filter && a.impedance == b.impedance && a.offset == b.offset
            && a.coupling == b.coupling;
}
inline bool operator!=(const DigitalOscilloscopeChannelParameters &a,
                       const DigitalOscilloscopeChannelParameters &b)
{
    return !(a == b);
}
inline bool operator==(const DigitalOscilloscopeMathChannelParameters &a,
                       const DigitalOscilloscopeMathChannelParameters &b)
{
    return a.type == b.type && a.state == b.state && a.offset == b.offset && a.sourceA == b.sourceA
            && a.sourceB == b.sourceB;
}
inline bool operator!=(const DigitalOscilloscopeMathChannelParameters &a,
                       const DigitalOscilloscopeMathChannelParameters &b)
{
    return !(a == b);
}
inline bool operator==(const DigitalOscilloscopeTriggerParameters &a,
                       const DigitalOscilloscopeTriggerParameters &b)
{
    return a.channel == b.channel && a.prehistory == b.prehistory && a.mode == b.mode
            && a.polarity == b.polarity && a.level1 == b.level1 && a.level2 == b.level2
            && a.time1 == b.time1 && a.time2 == b.time2;
}
inline bool operator!=(const DigitalOscilloscopeTriggerParameters &a,
                       const DigitalOscilloscopeTriggerParameters &b)
{
    return !(a == b);
}
inline bool operator==(const DigitalOscilloscopeTimeParameters &a,
                       const DigitalOscilloscopeTimeParameters &b)
{
    return a.period == b.period && a.time == b.time;
}
inline bool operator!=(const DigitalOscilloscopeTimeParameters &a,
                       const DigitalOscilloscopeTimeParameters &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(DigitalOscilloscopeChannelParameters)
Q_DECLARE_METATYPE(DigitalOscilloscopeMathChannelParameters)
Q_DECLARE_METATYPE(DigitalOscilloscopeTriggerParameters)
Q_DECLARE_METATYPE(DigitalOscilloscopeTimeParameters)
