#include "visa.h"

extern "C" ViStatus viOpenDefaultRM(ViSession */*rm*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viFindRsrc(ViSession /*rm*/, ViConstString /*expr*/, ViFindList */*list*/, ViUInt32 */*count*/, ViChar /*desc*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viFindNext(ViFindList /*list*/, ViChar /*desc*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viOpen(ViSession /*rm*/, ViConstRsrc /*name*/, ViAccessMode /*mode*/, ViUInt32 /*timeout*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viClose(ViObject /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viGetAttribute(ViObject /*vi*/, ViAttr /*attribute*/, void */*value*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viLock(ViSession /*vi*/, ViAccessMode /*lockType*/, ViUInt32 /*timeout*/, ViConstKeyId /*requestedKey*/, ViKeyId /*accessKey*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viUnlock(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus viQueryf(ViSession /*vi*/, ViConstString /*writeFormat*/, ViConstString /*readFormat*/, ...)
{
    return VI_ERROR_SYSTEM_ERROR;
}
