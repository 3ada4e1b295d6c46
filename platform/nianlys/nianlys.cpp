#include "nianlys.h"

extern "C" int32_t AALFunc142(const double *, int32_t, double *, double *, double *, double *,
                              double *, double *, double *, double *, int32_t *, int32_t *,
                              int32_t *, int32_t *, double *)
{
    return -1;
}
