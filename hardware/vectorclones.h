#pragma once

// For the few whole-buffer loops of the demonstration data: the compiler builds the function
// once per instruction-set level and the loader picks the best the processor has, so the
// program still runs on any x86-64 while a recent one gets wide vectors. Those files are
// compiled without floating-point contraction, so every clone gives the same bits.
// Not under ThreadSanitizer: the clones' resolvers run while the loader relocates, before the
// sanitizer's run-time is up, and their instrumented code crashes every binary at load.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)            \
        && !defined(__SANITIZE_THREAD__)
#define PRALUNE_VECTOR_CLONES                                                                      \
    __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define PRALUNE_VECTOR_CLONES
#endif
