#pragma once
#include "resources/evaluationtype.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

// The automatic measurements over a range of samples. Minimum, maximum, peak-to-peak, mean
// and RMS are computed here; the other evaluations come in three families from the analysis
// library, each call made only when the request holds a value it gives: one call for the
// cycle values, one for the pulse parameters, and for the pulse timing one per polarity
// asked (the negative polarity gives only the negative width and duty cycle).

using EvaluationValues = std::map<EvaluationType, double>;
using EvaluationResults = std::vector<std::pair<EvaluationType, double>>;

extern const std::set<EvaluationType> CycleValuesSet;
extern const std::set<EvaluationType> PulseParamSet;
extern const std::set<EvaluationType> PulseMeasSet;

// One pair per request entry, in the request's order; 0.0 for what is not computed (0, an
// unknown value, a family whose library call failed) and for every entry when the range holds
// no sample. The range is [first, last); a negative last, one below first or one beyond the
// data means up to the end. Times are in the unit of sampleInterval, rates per that unit.
EvaluationResults calc(double startTime, double sampleInterval, const double *samples,
                       unsigned int count, const std::vector<EvaluationType> &types, int first,
                       int last);

EvaluationValues evaluateCycleValues(const double *samples, int count);
EvaluationValues evaluatePulseParam(const double *samples, double sampleInterval, int count);
EvaluationValues evaluatePulseMeas(const double *samples, double sampleInterval, int count);
