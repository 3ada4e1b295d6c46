// The trace library: keeps every line for the tests and, when PRALUNE_TRACE_FILE names a
// file, appends it there.
#include "zqtrace.h"
#include "simbench/bench.h"

extern "C" int zqTraceLog(const char *text)
{
    simbench::appendTrace(text);
    return 0;
}
