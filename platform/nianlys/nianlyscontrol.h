#pragma once
// Test control of the analysis module: how often each of its three functions has been
// called. The counters are shared by every user of the loaded module; tests resolve these
// two by name just as the program resolves the analysis functions.
#include <stdint.h>

#define NIANLYS_CALL_COUNT_EXPORT "nianlysCallCount"
#define NIANLYS_RESET_CALL_COUNTS_EXPORT "nianlysResetCallCounts"

#ifdef __cplusplus
extern "C" {
#endif

// Calls of the function with the given export name since the module was loaded or the
// counters were last reset; -1 for a name the module does not export.
typedef int32_t (*NianlysCallCountFunction)(const char *exportName);
typedef void (*NianlysResetCallCountsFunction)(void);

#ifdef __cplusplus
}
#endif
