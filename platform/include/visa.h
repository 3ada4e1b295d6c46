#pragma once
// The subset of VISA that the module search and the carrier initialisation call.
#include "visatype.h"

#define VI_ATTR_SLOT ((ViAttr)0x3FFF00E8u) // ViInt16
#define VI_ATTR_MANF_ID ((ViAttr)0x3FFF00D9u) // ViUInt16
#define VI_ATTR_MODEL_CODE ((ViAttr)0x3FFF00DFu) // ViUInt16
#define VI_ATTR_INTF_TYPE ((ViAttr)0x3FFF0171u) // ViUInt16

#define VI_INTF_GPIB 1
#define VI_INTF_VXI 2
#define VI_INTF_GPIB_VXI 3
#define VI_INTF_ASRL 4
#define VI_INTF_PXI 5
#define VI_INTF_TCPIP 6
#define VI_INTF_USB 7

#define VI_NO_LOCK ((ViAccessMode)0)
#define VI_EXCLUSIVE_LOCK ((ViAccessMode)1)
#define VI_SHARED_LOCK ((ViAccessMode)2)

#define VI_FIND_BUFLEN 256

#ifdef __cplusplus
extern "C" {
#endif

ViStatus viOpenDefaultRM(ViSession *rm);
// No match is a failure (VI_ERROR_RSRC_NFOUND). desc holds VI_FIND_BUFLEN characters.
ViStatus viFindRsrc(ViSession rm, ViConstString expr, ViFindList *list, ViUInt32 *count,
                    ViChar desc[]);
ViStatus viFindNext(ViFindList list, ViChar desc[]);
ViStatus viOpen(ViSession rm, ViConstRsrc name, ViAccessMode mode, ViUInt32 timeout, ViSession *vi);
// Closes an instrument session, a find list or a resource manager (with everything opened
// through it).
ViStatus viClose(ViObject vi);
// Writes exactly the attribute's width (16 bits for the four attributes above).
ViStatus viGetAttribute(ViObject vi, ViAttr attribute, void *value);
ViStatus viLock(ViSession vi, ViAccessMode lockType, ViUInt32 timeout, ViConstKeyId requestedKey,
                ViKeyId accessKey);
ViStatus viUnlock(ViSession vi);
// writeFormat is sent as it stands; readFormat takes "%t" or "%Nt" (one ViChar* argument);
// with a width N at most N - 1 characters and the terminating zero are written, so "%256t"
// fits a 256-byte buffer.
ViStatus viQueryf(ViSession vi, ViConstString writeFormat, ViConstString readFormat, ...);

#ifdef __cplusplus
}
#endif
