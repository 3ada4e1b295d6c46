#include "zqhx9.h"

extern "C" ViStatus zqhx9_init(ViConstRsrc /*resource*/, ViBoolean /*idQuery*/, ViBoolean /*reset*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_connect(ViSession /*vi*/, ViSession /*carrier*/, ViInt16 /*slot*/, ViInt16 /*idQuery*/, ViInt16 /*reset*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_close(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_reset(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_config(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_configInput(ViSession /*vi*/, ViInt16 /*channel*/, ViInt16 /*enabled*/, ViInt16 /*coupling*/, ViInt16 /*impedance*/, ViInt16 /*filter*/, ViReal64 */*range*/, ViInt16 /*reserved*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_configBaseFreq(ViSession /*vi*/, ViInt16 /*base*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_configTime(ViSession /*vi*/, ViReal64 */*period*/, ViReal64 */*duration*/, ViReal64 */*startTime*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_configEvents(ViSession /*vi*/, ViInt16 /*channel*/, ViInt16 /*mode*/, ViUInt8 /*polarity*/, ViInt16 /*a*/, ViInt16 /*b*/, const ViReal64 */*times*/, const ViReal64 */*levels*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_configTrigger(ViSession /*vi*/, ViInt16 /*source*/, ViInt16 /*mode*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_trigger(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_stop(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_ready_Q(ViSession /*vi*/, ViInt16 */*ready*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_readWaveform(ViSession /*vi*/, ViInt16 /*channel*/, ViInt16 /*block*/, ViInt16 /*first*/, ViInt32 */*count*/, ViInt16 /*units*/, ViInt16 /*a*/, ViInt16 /*b*/, ViReal64 */*samples*/, ViInt16 /*c*/, ViInt16 /*d*/, ViInt16 /*e*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqhx9_error_message(ViSession /*vi*/, ViStatus /*status*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}
