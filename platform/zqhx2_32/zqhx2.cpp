#include "zqhx2.h"

extern "C" ViStatus zqhx2_init(ViConstRsrc /*resource*/, ViBoolean /*idQuery*/, ViBoolean /*reset*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_connect(ViSession /*vi*/, ViSession /*carrier*/, ViInt16 /*slot*/, ViInt16 /*idQuery*/, ViInt16 /*reset*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_close(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_reset(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_configMode(ViSession /*vi*/, ViInt16 /*mode*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_config(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_configInput(ViSession /*vi*/, ViInt16 /*channel*/, ViInt16 /*enabled*/, ViInt16 /*coupling*/, ViInt16 /*rangeCode*/, ViInt16 /*filter*/, ViInt16 /*reserved*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_configBaseFreq(ViSession /*vi*/, ViInt16 /*base*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_configTime(ViSession /*vi*/, ViReal64 */*period*/, ViReal64 */*duration*/, ViReal64 */*startTime*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_configEvents(ViSession /*vi*/, ViInt16 /*channel*/, ViInt16 /*mode*/, ViUInt8 /*polarity*/, ViInt16 /*a*/, ViInt16 /*b*/, const ViReal64 */*times*/, const ViReal64 */*levels*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_configTrigger(ViSession /*vi*/, ViInt16 /*source*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_trigger(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_stop(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_readWaveform(ViSession /*vi*/, ViInt16 /*channel*/, ViInt16 /*block*/, ViInt16 /*first*/, ViInt32 */*count*/, ViInt16 /*units*/, ViInt16 /*a*/, ViInt16 /*b*/, ViReal64 */*samples*/, ViInt16 /*c*/, ViInt16 /*d*/, ViInt16 /*e*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx2_error_message(ViSession /*vi*/, ViStatus /*status*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}
