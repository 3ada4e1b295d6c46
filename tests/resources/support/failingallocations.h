#pragma once

// Included by exactly one file of a test executable: it defines the sanitizers' defaults.
//
// A hostile stored value makes Qt ask for an impossible block; the sanitizers must let that
// allocation fail as the plain allocator does, so the guard can meet the failure. Both are
// named: the AddressSanitizer build and the ThreadSanitizer build run these tests.
extern "C" const char *__asan_default_options()
{
    return "allocator_may_return_null=1";
}

extern "C" const char *__tsan_default_options()
{
    return "allocator_may_return_null=1";
}
