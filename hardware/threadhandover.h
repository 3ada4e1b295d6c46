#pragma once

// Marks for ThreadSanitizer where work crosses threads in an order that only Qt's own locking
// keeps: Qt is not built with the sanitizer, so its mutexes and wait conditions are invisible
// to it. PRALUNE_HAND_OVER(tag) on the giving thread and PRALUNE_TAKE_OVER(tag) on the taking
// thread, once the giver is known to be done, order everything before the one before
// everything after the other, and nothing else: a race outside that order is still reported.
// The tag is any address both sides share. Without the sanitizer both marks are empty.

#if defined(__SANITIZE_THREAD__)
#define PRALUNE_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define PRALUNE_THREAD_SANITIZER 1
#endif
#endif

#ifdef PRALUNE_THREAD_SANITIZER
#include <sanitizer/tsan_interface.h>
#define PRALUNE_HAND_OVER(tag) __tsan_release(const_cast<void *>(static_cast<const void *>(tag)))
#define PRALUNE_TAKE_OVER(tag) __tsan_acquire(const_cast<void *>(static_cast<const void *>(tag)))
#else
#define PRALUNE_HAND_OVER(tag) static_cast<void>(tag)
#define PRALUNE_TAKE_OVER(tag) static_cast<void>(tag)
#endif
