#include "zqkw7.h"

extern "C" ViStatus zqkw7_init(ViConstRsrc /*resource*/, ViBoolean /*idQuery*/, ViBoolean /*reset*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_connect(ViSession /*vi*/, ViSession /*carrier*/, ViInt16 /*slot*/, ViInt16 /*idQuery*/, ViInt16 /*reset*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_close(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_reset(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_start(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_stop(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_prog_start(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_sample_freq(ViSession /*vi*/, ViInt16 /*rateCode*/, ViInt16 /*speedCode*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_source_freq(ViSession /*vi*/, ViInt16 /*source*/, ViInt16 /*divider*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_start(ViSession /*vi*/, ViInt16 /*startCode*/, ViBoolean /*risingEdge*/, ViReal64 /*delay*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_mode(ViSession /*vi*/, ViInt16 /*mode*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_chan(ViSession /*vi*/, ViInt16 /*group*/, ViUInt16 /*channel*/, ViBoolean /*outputOn*/, ViBoolean /*range10V*/, ViReal64 /*impedance*/, ViReal64 /*offset*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_afg(ViSession /*vi*/, ViUInt16 /*channel*/, ViReal64 /*amplitude*/, ViReal64 /*frequency*/, ViReal64 /*phase*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_afg_gen(ViSession /*vi*/, ViUInt16 /*channel*/, ViInt16 /*kind*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_afg_signal(ViSession /*vi*/, ViUInt16 /*channel*/, ViInt16 /*kind*/, ViReal64 /*a*/, ViReal64 /*b*/, ViReal64 /*c*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_afg_setData(ViSession /*vi*/, ViUInt16 /*channel*/, const ViReal64 */*table*/, ViUInt16 /*count*/, ViReal64 /*samplePeriod*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_afg_modul(ViSession /*vi*/, ViUInt16 /*channel*/, ViInt16 /*modulation*/, ViReal64 /*frequency*/, ViReal64 /*index*/, ViReal64 /*frequencyDeviation*/, ViReal64 /*phaseDeviation*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_config_awg(ViSession /*vi*/, ViInt16 /*a*/, ViInt16 /*b*/, ViInt16 /*c*/, ViInt16 /*d*/, ViUInt32 /*length*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_writeAWG(ViSession /*vi*/, ViInt16 /*offset*/, ViUInt32 /*total*/, const ViReal64 */*buffer*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqkw7_error_message(ViSession /*vi*/, ViStatus /*status*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}
