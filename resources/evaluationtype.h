#pragma once

#include <QMap>
#include <QMetaType>

#include <vector>

// The automatic measurements the multimeter and oscilloscope views show beside their data.
// The values are part of the stored state of the resources (written as plain integers), so
// they never change; 1 to 12 are levels in the unit of the data, 13 to 22 are times.
enum EvaluationType : int {
    EvaluationNone = 0,
    EvaluationAmplitude = 1,
    EvaluationLow = 2,
    EvaluationRms = 3,
    EvaluationPeakToPeak = 4,
    EvaluationMinimum = 5,
    EvaluationMean = 6,
    EvaluationHigh = 7,
    EvaluationOvershoot = 8,
    EvaluationCycleRms = 9,
    EvaluationMaximum = 10,
    EvaluationUndershoot = 11,
    EvaluationCycleMean = 12,
    EvaluationPeriod = 13,
    EvaluationPositivePulseWidth = 14,
    EvaluationRiseRate = 15,
    EvaluationFrequency = 16,
    EvaluationNegativePulseWidth = 17,
    EvaluationFallRate = 18,
    EvaluationPositiveDutyCycle = 19,
    EvaluationRiseTime = 20,
    EvaluationNegativeDutyCycle = 21,
    EvaluationFallTime = 22,
};

constexpr int EvaluationTypeFirst = EvaluationAmplitude;
constexpr int EvaluationTypeLast = EvaluationFallTime;

// The lists a view chooses and the values a resource evaluates cross threads and signals as
// these two containers. Declaring the element type makes Qt declare both containers as well
// (its container meta-type templates); registerResourceMetaTypes() registers them by name.
using EvaluationValueMap = QMap<EvaluationType, double>;
Q_DECLARE_METATYPE(EvaluationType)
