#pragma once
// Driver library of the HX9 two-channel oscilloscope mezzanine (zqhx9_32). Channels from 0.
#include "visatype.h"

#define ZQHX9_MODULE_CODE 0x2D
#define ZQHX9_WARN_INPUT_OVERDRIVE ZQ_WARN_INPUT_OVERDRIVE

#ifdef __cplusplus
extern "C" {
#endif

ViStatus zqhx9_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset, ViSession *vi);
ViStatus zqhx9_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                       ViInt16 reset);
ViStatus zqhx9_close(ViSession vi);
ViStatus zqhx9_reset(ViSession vi);
ViStatus zqhx9_config(ViSession vi);
// range in volts, in/out: the driver writes back the range it chose.
ViStatus zqhx9_configInput(ViSession vi, ViInt16 channel, ViInt16 enabled, ViInt16 coupling,
                           ViInt16 impedance, ViInt16 filter, ViReal64 *range, ViInt16 reserved);
ViStatus zqhx9_configBaseFreq(ViSession vi, ViInt16 base);
ViStatus zqhx9_configTime(ViSession vi, ViReal64 *period, ViReal64 *duration, ViReal64 *startTime);
ViStatus zqhx9_configEvents(ViSession vi, ViInt16 channel, ViInt16 mode, ViUInt8 polarity,
                            ViInt16 a, ViInt16 b, const ViReal64 *times, const ViReal64 *levels);
// source 0 program start, 1 by the configured events.
ViStatus zqhx9_configTrigger(ViSession vi, ViInt16 source, ViInt16 mode);
ViStatus zqhx9_trigger(ViSession vi);
ViStatus zqhx9_stop(ViSession vi);
// ready != 0 once a triggered frame can be read.
ViStatus zqhx9_ready_Q(ViSession vi, ViInt16 *ready);
ViStatus zqhx9_readWaveform(ViSession vi, ViInt16 channel, ViInt16 block, ViInt16 first,
                            ViInt32 *count, ViInt16 units, ViInt16 a, ViInt16 b, ViReal64 *samples,
                            ViInt16 c, ViInt16 d, ViInt16 e);
ViStatus zqhx9_error_message(ViSession vi, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif
