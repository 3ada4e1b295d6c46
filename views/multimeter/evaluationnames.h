#pragma once

#include "resources/evaluationtype.h"

#include <QString>

// Short names and units of the evaluations on measurement buttons (multimeter form,
// oscilloscope form and miniature). Texts translate in the context "QObject"; a type outside
// 1 to 22 gives empty texts. Callers ask again on a language change.

QString getEvaluationViewName(EvaluationType type);

// The unit of a value of type when the measured quantity is in unit: levels keep unit, rates
// append "/s", times, ratios and frequency have units of their own. unit is not translated.
QString getEvaluationViewDimentions(EvaluationType type, QString unit);
