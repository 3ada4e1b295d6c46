#pragma once
// Driver library of the KT220 power supply (zqvolta_32). Outputs are named by text ("1").
#include "visatype.h"

#define ZQVOLTA_RANGE_VOLTAGE 1
#define ZQVOLTA_RANGE_CURRENT 2
#define ZQVOLTA_TELEMETRY_VOLTAGE 1
#define ZQVOLTA_TELEMETRY_CURRENT 4
// State word bits.
#define ZQVOLTA_STATE_CC 0x0001
#define ZQVOLTA_STATE_CV 0x0002
#define ZQVOLTA_STATE_OVR 0x0004

#ifdef __cplusplus
extern "C" {
#endif

ViStatus zqvolta_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset, ViSession *vi);
ViStatus zqvolta_close(ViSession vi);
ViStatus zqvolta_reset(ViSession vi);
ViStatus zqvolta_ModeSession(ViSession vi, ViConstString channel, ViInt32 mode);
ViStatus zqvolta_ConfigureOutputEnabled(ViSession vi, ViConstString channel, ViInt32 enabled);
// kind ZQVOLTA_RANGE_VOLTAGE sets the voltage, ZQVOLTA_RANGE_CURRENT the current limit.
ViStatus zqvolta_ConfigureOutputRange(ViSession vi, ViConstString channel, ViInt32 kind,
                                      ViReal64 value);
// kind ZQVOLTA_TELEMETRY_VOLTAGE or ZQVOLTA_TELEMETRY_CURRENT; average 1 means one reading.
ViStatus zqvolta_GetTelemetry(ViSession vi, ViConstString channel, ViInt32 kind, ViInt32 average,
                              ViReal64 *value);
ViStatus zqvolta_GetState(ViSession vi, ViConstString channel, ViUInt16 *state);
ViStatus zqvolta_error_message(ViSession vi, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif
