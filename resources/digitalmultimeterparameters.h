#pragma once

#include <QMetaType>
#include <QVector>
#include <QtGlobal>

// The measurement function. The numbers are stored in a resource's state; never renumber.
enum FunctionsMode : qint32 {
    FunctionFrequency = 0,
    FunctionPeriod = 1,
    FunctionFourWireResistance = 2,
    FunctionTwoWireResistance = 3,
    FunctionAcVoltage = 4,
    FunctionDcVoltage = 5,
    FunctionAcCurrent = 6,
    FunctionDcCurrent = 7,
    FunctionContinuity = 8,
};

constexpr int FunctionsModeFirst = FunctionFrequency;
constexpr int FunctionsModeLast = FunctionContinuity;

// How acquisition runs once started.
enum MeasurementType : qint32 {
    MeasurementOnePackage = 0, // stops itself after the first package or over-range report
    MeasurementContinuous = 1, // runs until stopped
    MeasurementTriggered = 2, // each measurement waits for the trigger; runs until stopped
};

// The multimeter's measurement settings. Every field but ranges is part of the stored state
// under its own name.
struct DigitalGeneratorMainParameters
{
    FunctionsMode function = FunctionDcVoltage;
    double range = -1.0; // in the function's unit; 0 or below ranges automatically
    QVector<double> ranges; // the range list of function, for the view
    int filter_index = 0; // into filterValues
    bool impedance = false;
    int power_frequency = 50; // Hz, one of powerFrequencyValues
    int point_count = 256; // readings per package
    double integration_time = 0.001; // seconds per reading
    double delay_time = 0.002; // trigger delay in seconds, triggered mode
    bool rise_fall = false; // trigger edge, triggered mode
};

struct DigitalGeneratorAdditionalParameters
{
    int auto_zero = 0; // 0 off, 1 before start, 2 before each measurement
};

struct DigitalGeneratorUIParameters
{
    double scanTime = 1.0; // seconds the view's history plot spans
};

// Field by field, doubles exactly: records are copied, never computed, between view and resource.
inline bool operator==(const DigitalGeneratorMainParameters &a,
                       const DigitalGeneratorMainParameters &b)
{
    return a.function == b.function && a.range == b.range && a.ranges == b.ranges
            && a.filter_index == b.filter_index && a.impedance == b.impedance
            && a.power_frequency == b.power_frequency && a.point_count == b.point_count
            && a.integration_time == b.integration_time && a.delay_time == b.delay_time
            && a.rise_fall == b.rise_fall;
}
inline bool operator!=(const DigitalGeneratorMainParameters &a,
                       const DigitalGeneratorMainParameters &b)
{
    return !(a == b);
}
inline bool operator==(const DigitalGeneratorAdditionalParameters &a,
                       const DigitalGeneratorAdditionalParameters &b)
{
    return a.auto_zero == b.auto_zero;
}
inline bool operator!=(const DigitalGeneratorAdditionalParameters &a,
                       const DigitalGeneratorAdditionalParameters &b)
{
    return !(a == b);
}
inline bool operator==(const DigitalGeneratorUIParameters &a, const DigitalGeneratorUIParameters &b)
{
    return a.scanTime == b.scanTime;
}
inline bool operator!=(const DigitalGeneratorUIParameters &a, const DigitalGeneratorUIParameters &b)
{
    return !(a == b);
}

Q_DECLARE_METATYPE(DigitalGeneratorMainParameters)
Q_DECLARE_METATYPE(DigitalGeneratorAdditionalParameters)
Q_DECLARE_METATYPE(DigitalGeneratorUIParameters)
