#include "zqtavrin.h"

extern "C" ViStatus zqtavrin_init(ViConstRsrc /*resource*/, ViBoolean /*idQuery*/, ViBoolean /*reset*/, ViSession */*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_close(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_reset(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_self_test(ViSession /*vi*/, ViInt16 */*result*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_m_type_q(ViSession /*vi*/, ViInt16 /*slot*/, ViUInt16 */*present*/, ViInt16 */*code*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_config_trigger(ViSession /*vi*/, ViInt16 /*source*/, ViInt16 /*mode*/, ViInt16 /*line*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_start(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_stop(ViSession /*vi*/)
{
    return VI_ERROR_SYSTEM_ERROR;
}

extern "C" ViStatus zqtavrin_error_message(ViSession /*vi*/, ViStatus /*status*/, ViChar /*message*/*)
{
    return VI_ERROR_SYSTEM_ERROR;
}
