#pragma once
// Driver library of the RV31 multimeter mezzanine (zqrv31_32).
#include "visatype.h"

#define ZQRV31_MODULE_CODE 0x20
// Over-range completion codes of zqrv31_read_packet, one per measurement function
// (ZQ_WARN_OVER_RANGE_FIRST + function), all within this span.
#define ZQRV31_WARN_OVER_RANGE_FIRST ZQ_WARN_OVER_RANGE_FIRST
#define ZQRV31_WARN_OVER_RANGE_LAST ZQ_WARN_OVER_RANGE_LAST

#ifdef __cplusplus
extern "C" {
#endif

// resource is the carrier's resource string; the session reaches its slot through connect.
ViStatus zqrv31_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset, ViSession *vi);
ViStatus zqrv31_connect(ViSession vi, ViSession carrier, ViInt16 slot, ViInt16 idQuery,
                        ViInt16 reset);
ViStatus zqrv31_close(ViSession vi);
ViStatus zqrv31_reset(ViSession vi);
ViStatus zqrv31_confInstr(ViSession vi);
ViStatus zqrv31_initImm(ViSession vi);
ViStatus zqrv31_abor(ViSession vi);
ViStatus zqrv31_calZeroAuto(ViSession vi, ViInt16 mode);
ViStatus zqrv31_calZeroAutoExe(ViSession vi);
// function 0 frequency, 1 period, 2 4-wire and 3 2-wire resistance, 4 AC and 5 DC voltage,
// 6 AC and 7 DC current.
ViStatus zqrv31_conf_func(ViSession vi, ViInt16 function, ViUInt8 autoRange, ViReal64 range,
                          ViReal64 time, ViInt16 filter, ViUInt8 impedance);
ViStatus zqrv31_systLfr(ViSession vi, ViInt16 lineFrequency);
ViStatus zqrv31_sampCoun(ViSession vi, ViUInt16 count);
ViStatus zqrv31_mode_readData(ViSession vi, ViInt16 mode, ViInt32 count);
ViStatus zqrv31_trigger(ViSession vi, ViUInt16 count, ViUInt8 firstFlag, ViReal64 time,
                        ViUInt8 option, ViUInt8 secondFlag);
ViStatus zqrv31_numReadyData(ViSession vi, ViInt32 *count);
// Writes at most count readings; got is the number written.
ViStatus zqrv31_read_packet(ViSession vi, ViInt32 count, ViReal64 *readings, ViInt32 *got);
ViStatus zqrv31_error_message(ViSession vi, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif
