#pragma once
// Driver library of the Tavrin carrier (zqtavrin_32).
#include "visatype.h"

#define ZQTAVRIN_SLOT_COUNT 8
#define ZQTAVRIN_MESSAGE_BUFLEN 256

#ifdef __cplusplus
extern "C" {
#endif

ViStatus zqtavrin_init(ViConstRsrc resource, ViBoolean idQuery, ViBoolean reset, ViSession *vi);
ViStatus zqtavrin_close(ViSession vi);
ViStatus zqtavrin_reset(ViSession vi);
// message holds ZQTAVRIN_MESSAGE_BUFLEN characters.
ViStatus zqtavrin_self_test(ViSession vi, ViInt16 *result, ViChar message[]);
// slot 1 to 8; present != 0 when a mezzanine sits there; code is its 16-bit module code.
ViStatus zqtavrin_m_type_q(ViSession vi, ViInt16 slot, ViUInt16 *present, ViInt16 *code);
ViStatus zqtavrin_config_trigger(ViSession vi, ViInt16 source, ViInt16 mode, ViInt16 line);
ViStatus zqtavrin_start(ViSession vi);
ViStatus zqtavrin_stop(ViSession vi);
// message holds ZQTAVRIN_MESSAGE_BUFLEN characters (local 8-bit text).
ViStatus zqtavrin_error_message(ViSession vi, ViStatus status, ViChar message[]);

#ifdef __cplusplus
}
#endif
