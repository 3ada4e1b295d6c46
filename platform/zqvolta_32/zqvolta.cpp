#include "zqvolta.h"

extern "C" ViStatus zqvolta_init(ViConstRsrc /*resource*/, ViBoolean /*idQuery*/, ViBoolean /*reset*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_close(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_reset(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_ModeSession(ViSession /*vi*/, ViConstString /*channel*/, ViInt32 /*mode*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_ConfigureOutputEnabled(ViSession /*vi*/, ViConstString /*channel*/, ViInt32 /*enabled*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_ConfigureOutputRange(ViSession /*vi*/, ViConstString /*channel*/, ViInt32 /*kind*/, ViReal64 /*value*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_GetTelemetry(ViSession /*vi*/, ViConstString /*channel*/, ViInt32 /*kind*/, ViInt32 /*average*/, ViReal64 */*value*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_GetState(ViSession /*vi*/, ViConstString /*channel*/, ViUInt16 */*state*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqvolta_error_message(ViSession /*vi*/, ViStatus /*status*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}
