#pragma once
// Driver library of the KW7 two-channel function-generator mezzanine (zqkw7_32).
// Every call on session 0 succeeds and does nothing: the demonstration runs without a device.
#include "visatype.h"

#define ZQKW7_MODULE_CODE 0x42

#ifdef __cplusplus
extern "C" {
#endif

ViStatus zqkw7_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset, ViSession *vi);
ViStatus zqkw7_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                       ViInt16 reset);
ViStatus zqkw7_close(ViSession vi);
ViStatus zqkw7_reset(ViSession vi);
ViStatus zqkw7_start(ViSession vi);
ViStatus zqkw7_stop(ViSession vi);
ViStatus zqkw7_prog_start(ViSession vi);
ViStatus zqkw7_config_sample_freq(ViSession vi, ViInt16 rateCode, ViInt16 speedCode);
ViStatus zqkw7_config_source_freq(ViSession vi, ViInt16 source, ViInt16 divider);
// startCode 0 immediate, 1 delayed, 2 trigger.
ViStatus zqkw7_config_start(ViSession vi, ViInt16 startCode, ViBoolean risingEdge, ViReal64 delay);
// mode 0 arbitrary waveform, 1 standard functions.
ViStatus zqkw7_config_mode(ViSession vi, ViInt16 mode);
ViStatus zqkw7_config_chan(ViSession vi, ViInt16 group, ViUInt16 channel, ViBoolean outputOn,
                           ViBoolean range10V, ViReal64 impedance, ViReal64 offset);
ViStatus zqkw7_config_afg(ViSession vi, ViUInt16 channel, ViReal64 amplitude, ViReal64 frequency,
                          ViReal64 phase);
// kind 0 built-in sine, 1 sample table.
ViStatus zqkw7_config_afg_gen(ViSession vi, ViUInt16 channel, ViInt16 kind);
ViStatus zqkw7_config_afg_signal(ViSession vi, ViUInt16 channel, ViInt16 kind, ViReal64 a,
                                 ViReal64 b, ViReal64 c);
ViStatus zqkw7_afg_setData(ViSession vi, ViUInt16 channel, const ViReal64 *table, ViUInt16 count,
                           ViReal64 samplePeriod);
ViStatus zqkw7_config_afg_modul(ViSession vi, ViUInt16 channel, ViInt16 modulation,
                                ViReal64 frequency, ViReal64 index, ViReal64 frequencyDeviation,
                                ViReal64 phaseDeviation);
ViStatus zqkw7_config_awg(ViSession vi, ViInt16 a, ViInt16 b, ViInt16 c, ViInt16 d,
                          ViUInt32 length);
// buffer holds total values, interleaved by sample.
ViStatus zqkw7_writeAWG(ViSession vi, ViInt16 offset, ViUInt32 total, const ViReal64 *buffer);
ViStatus zqkw7_error_message(ViSession vi, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif
