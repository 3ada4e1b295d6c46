#pragma once
// Driver library of the HX2 two-channel oscilloscope mezzanine (zqhx2_32). Channels from 0.
#include "visatype.h"

#define ZQHX2_MODULE_CODE 0x39
// Completion code of zqhx2_readWaveform when the input exceeds the range.
#define ZQHX2_WARN_INPUT_OVERDRIVE ZQ_WARN_INPUT_OVERDRIVE

#ifdef __cplusplus
extern "C" {
#endif

ViStatus zqhx2_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset, ViSession *vi);
ViStatus zqhx2_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                       ViInt16 reset);
ViStatus zqhx2_close(ViSession vi);
ViStatus zqhx2_reset(ViSession vi);
ViStatus zqhx2_configMode(ViSession vi, ViInt16 mode);
ViStatus zqhx2_config(ViSession vi);
// rangeCode 1 is the 0.3 V range, 0 the 1 V range.
ViStatus zqhx2_configInput(ViSession vi, ViInt16 channel, ViInt16 enabled, ViInt16 coupling,
                           ViInt16 rangeCode, ViInt16 filter, ViInt16 reserved);
ViStatus zqhx2_configBaseFreq(ViSession vi, ViInt16 base);
// All three are in/out: the driver replaces each by the nearest value it supports.
ViStatus zqhx2_configTime(ViSession vi, ViReal64 *period, ViReal64 *duration, ViReal64 *startTime);
// times and levels point to two values each.
ViStatus zqhx2_configEvents(ViSession vi, ViInt16 channel, ViInt16 mode, ViUInt8 polarity,
                            ViInt16 a, ViInt16 b, const ViReal64 *times, const ViReal64 *levels);
// source 0 program start, otherwise by the configured events.
ViStatus zqhx2_configTrigger(ViSession vi, ViInt16 source);
ViStatus zqhx2_trigger(ViSession vi);
ViStatus zqhx2_stop(ViSession vi);
// count: in the number requested, out the number delivered (0 before a trigger).
ViStatus zqhx2_readWaveform(ViSession vi, ViInt16 channel, ViInt16 block, ViInt16 first,
                            ViInt32 *count, ViInt16 units, ViInt16 a, ViInt16 b, ViReal64 *samples,
                            ViInt16 c, ViInt16 d, ViInt16 e);
ViStatus zqhx2_error_message(ViSession vi, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif
