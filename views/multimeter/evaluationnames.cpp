#include "views/multimeter/evaluationnames.h"

#include <QCoreApplication>

namespace {

// Indexed by EvaluationType - 1. The arrows are U+2191 and U+2193.
constexpr const char *viewNames[] = {
        QT_TRANSLATE_NOOP("QObject", "Ampl"),   QT_TRANSLATE_NOOP("QObject", "Low"),
        QT_TRANSLATE_NOOP("QObject", "RMS"),    QT_TRANSLATE_NOOP("QObject", "Pk-Pk"),
        QT_TRANSLATE_NOOP("QObject", "Min"),    QT_TRANSLATE_NOOP("QObject", "Mean"),
        QT_TRANSLATE_NOOP("QObject", "High"),   QT_TRANSLATE_NOOP("QObject", "Over"),
        QT_TRANSLATE_NOOP("QObject", "CycRMS"), QT_TRANSLATE_NOOP("QObject", "Max"),
        QT_TRANSLATE_NOOP("QObject", "Under"),  QT_TRANSLATE_NOOP("QObject", "CycMean"),
        QT_TRANSLATE_NOOP("QObject", "Period"), QT_TRANSLATE_NOOP("QObject", "+Width"),
        QT_TRANSLATE_NOOP("QObject", "↑Rate"),  QT_TRANSLATE_NOOP("QObject", "Freq"),
        QT_TRANSLATE_NOOP("QObject", "-Width"), QT_TRANSLATE_NOOP("QObject", "↓Rate"),
        QT_TRANSLATE_NOOP("QObject", "+Duty"),  QT_TRANSLATE_NOOP("QObject", "↑Time"),
        QT_TRANSLATE_NOOP("QObject", "-Duty"),  QT_TRANSLATE_NOOP("QObject", "↓Time"),
};
static_assert(sizeof(viewNames) / sizeof(viewNames[0]) == EvaluationTypeLast,
              "one short name per evaluation");

} // namespace

QString getEvaluationViewName(EvaluationType type)
{
    if (type < EvaluationTypeFirst || type > EvaluationTypeLast)
        return QString();
    return QCoreApplication::translate("QObject", viewNames[type - EvaluationTypeFirst]);
}

QString getEvaluationViewDimentions(EvaluationType type, QString unit)
{
    switch (type) {
    case EvaluationAmplitude:
    case EvaluationLow:
    case EvaluationRms:
    case EvaluationPeakToPeak:
    case EvaluationMinimum:
    case EvaluationMean:
    case EvaluationHigh:
    case EvaluationCycleRms:
    case EvaluationMaximum:
    case EvaluationCycleMean:
        return unit;
    case EvaluationOvershoot:
    case EvaluationUndershoot:
    case EvaluationPositiveDutyCycle:
    case EvaluationNegativeDutyCycle:
        return QCoreApplication::translate("QObject", "%");
    case EvaluationPeriod:
    case EvaluationPositivePulseWidth:
    case EvaluationNegativePulseWidth:
    case EvaluationRiseTime:
    case EvaluationFallTime:
        return QCoreApplication::translate("QObject", "s");
    case EvaluationRiseRate:
    case EvaluationFallRate:
        return unit + QCoreApplication::translate("QObject", "/s");
    case EvaluationFrequency:
        return QCoreApplication::translate("QObject", "Hz");
    case EvaluationNone:
        break;
    }
    return QString();
}
