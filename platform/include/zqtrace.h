#pragma once
// Driver-call trace library (ZQtrace).

#ifdef __cplusplus
extern "C" {
#endif

// text: one NUL-terminated Windows-1251 line; safe to call from several threads at once.
int zqTraceLog(const char *text);

#ifdef __cplusplus
}
#endif
