#pragma once
// The signal-analysis library (module "nianlys", loaded at run time by name). These are the
// types of its three functions, looked up by their export names.
#include <stdint.h>

#define NIANLYS_LIBRARY_NAME "nianlys"
#define NIANLYS_PULSE_PARAM_EXPORT "AALFunc142"
#define NIANLYS_PULSE_MEAS_EXPORT "AALFunc364"
#define NIANLYS_CYCLE_RMS_AVERAGE_EXPORT "AALFunc365"

#ifdef __cplusplus
extern "C" {
#endif

// Pulse parameters of the samples: amplitude (r1); the 90 % and 50 % and 10 % reference
// levels (r2, r3, r4); the two state levels, high and low (r5, r6); overshoot and undershoot
// in volts (r7, r8); the indexes of the first rising and first falling edge (r9, r10); the
// 10 %-90 % rise and 90 %-10 % fall time in samples (r11, r12); the rising slope in volts per
// sample (r13).
typedef int32_t (*NianlysPulseParamFunction)(const double *samples, int32_t count,
                                             double *amplitude, double *highReference,
                                             double *middleReference, double *lowReference,
                                             double *highLevel, double *lowLevel, double *overshoot,
                                             double *undershoot, int32_t *riseIndex,
                                             int32_t *fallIndex, int32_t *riseSamples,
                                             int32_t *fallSamples, double *riseSlope);

// Pulse timing from the crossings of the middle reference level: period, width of the pulses
// of the given polarity (1 positive, 0 negative) in samples, and their duty cycle as a
// fraction (r1 to r3); r4 to r7: number of whole periods, first crossing, high and low level.
typedef int32_t (*NianlysPulseMeasFunction)(const double *samples, int32_t count, int32_t polarity,
                                            int32_t method, double highPercent,
                                            double middlePercent, double lowPercent, int32_t a,
                                            int32_t b, int32_t histogramSize, double *period,
                                            double *width, double *dutyCycle, double *r4,
                                            double *r5, double *r6, double *r7);

// Mean and RMS over the whole cycles of the samples (r1, r2); r3 number of cycles, r4 first
// and r5 last sample used, r6 high and r7 low level.
typedef int32_t (*NianlysCycleRmsAverageFunction)(const double *samples, int32_t count,
                                                  int32_t method, double highPercent,
                                                  double middlePercent, double lowPercent,
                                                  int32_t a, int32_t b, int32_t histogramSize,
                                                  double *mean, double *rms, double *r3, double *r4,
                                                  double *r5, double *r6, double *r7);

#ifdef __cplusplus
}
#endif
