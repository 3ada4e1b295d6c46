#pragma once
// Scalar types shared by the VISA stand-in and the instrument-driver libraries. Widths are
// those the callers rely on: statuses signed 32-bit, sessions unsigned 32-bit.
#include <stdint.h>

typedef int32_t ViStatus;
typedef uint32_t ViSession;
typedef uint32_t ViObject;
typedef ViSession ViFindList;
typedef uint32_t ViAttr;
typedef uint32_t ViAccessMode;

typedef int8_t ViInt8;
typedef uint8_t ViUInt8;
typedef int16_t ViInt16;
typedef uint16_t ViUInt16;
typedef int32_t ViInt32;
typedef uint32_t ViUInt32;
typedef double ViReal64;
typedef uint16_t ViBoolean;

typedef char ViChar;
typedef const char *ViConstString;
typedef const char *ViConstRsrc;
typedef const char *ViConstKeyId;
typedef ViChar *ViKeyId;

#define VI_NULL 0
#define VI_TRUE 1
#define VI_FALSE 0

#define VI_SUCCESS ((ViStatus)0)

// Completion and error codes that the stand-ins return.
#define VI_ERROR_SYSTEM_ERROR ((ViStatus)0xBFFF0000u)
#define VI_ERROR_INV_OBJECT ((ViStatus)0xBFFF000Eu)
#define VI_ERROR_RSRC_LOCKED ((ViStatus)0xBFFF000Fu)
#define VI_ERROR_INV_EXPR ((ViStatus)0xBFFF0010u)
#define VI_ERROR_RSRC_NFOUND ((ViStatus)0xBFFF0011u)
#define VI_ERROR_INV_RSRC_NAME ((ViStatus)0xBFFF0012u)
#define VI_ERROR_INV_ACC_MODE ((ViStatus)0xBFFF0013u)
#define VI_ERROR_TMO ((ViStatus)0xBFFF0015u)
#define VI_ERROR_NSUP_ATTR ((ViStatus)0xBFFF001Du)
#define VI_ERROR_INV_LOCK_TYPE ((ViStatus)0xBFFF0020u)
#define VI_ERROR_IO ((ViStatus)0xBFFF003Eu)
#define VI_ERROR_INV_FMT ((ViStatus)0xBFFF003Fu)
#define VI_ERROR_NSUP_FMT ((ViStatus)0xBFFF0041u)
#define VI_ERROR_INV_PARAMETER ((ViStatus)0xBFFF0078u)
#define VI_ERROR_SESN_NLOCKED ((ViStatus)0xBFFF009Cu)
#define VI_ERROR_CONN_LOST ((ViStatus)0xBFFF00A6u)

// Codes of the instrument-driver libraries' own (driver range 0xBFFC0000 / 0x3FFC0000).
#define ZQ_ERROR_PARAMETER ((ViStatus)0xBFFC0001u)
#define ZQ_ERROR_FAIL_ID_QUERY ((ViStatus)0xBFFC0011u)
#define ZQ_ERROR_RESET_FAIL ((ViStatus)0xBFFC0012u)
#define ZQ_ERROR_NOT_CONNECTED ((ViStatus)0xBFFC0801u)
#define ZQ_ERROR_NOT_CONFIGURED ((ViStatus)0xBFFC0802u)
#define ZQ_ERROR_NO_MODULE ((ViStatus)0xBFFC0803u)
#define ZQ_WARN_INPUT_OVERDRIVE ((ViStatus)0x3FFC0804u)
#define ZQ_WARN_OVER_RANGE_FIRST ((ViStatus)0x3FFC0806u)
#define ZQ_WARN_OVER_RANGE_LAST ((ViStatus)0x3FFC0810u)
