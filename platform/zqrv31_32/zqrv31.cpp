#include "zqrv31.h"

extern "C" ViStatus zqrv31_init(ViConstRsrc /*resource*/, ViBoolean /*idQuery*/, ViBoolean /*reset*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_connect(ViSession /*vi*/, ViSession /*carrier*/, ViInt16 /*slot*/, ViInt16 /*idQuery*/, ViInt16 /*reset*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_close(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_reset(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_confInstr(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_initImm(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_abor(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_calZeroAuto(ViSession /*vi*/, ViInt16 /*mode*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_calZeroAutoExe(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_conf_func(ViSession /*vi*/, ViInt16 /*function*/, ViUInt8 /*autoRange*/, ViReal64 /*range*/, ViReal64 /*time*/, ViInt16 /*filter*/, ViUInt8 /*impedance*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_systLfr(ViSession /*vi*/, ViInt16 /*lineFrequency*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_sampCoun(ViSession /*vi*/, ViUInt16 /*count*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_mode_readData(ViSession /*vi*/, ViInt16 /*mode*/, ViInt32 /*count*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_trigger(ViSession /*vi*/, ViUInt16 /*count*/, ViUInt8 /*firstFlag*/, ViReal64 /*time*/, ViUInt8 /*option*/, ViUInt8 /*secondFlag*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_numReadyData(ViSession /*vi*/, ViInt32 */*count*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_read_packet(ViSession /*vi*/, ViInt32 /*count*/, ViReal64 */*readings*/, ViInt32 */*got*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqrv31_error_message(ViSession /*vi*/, ViStatus /*status*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}
