# The guard over the vectorized clones of the frame's loops. Registered only where the clones
# are built (GCC on x86-64, see hardware/vectorclones.h; not under ThreadSanitizer) and the
# loops are optimized at all: the sanitizer build is a -O0 Debug build, where nothing is
# vectorized by design, so there the guard could only fail.
find_program(PRALUNE_OBJDUMP NAMES objdump)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$"
        AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$"
        AND NOT PRALUNE_SANITIZE AND NOT PRALUNE_THREAD_SANITIZE AND PRALUNE_OBJDUMP)
    add_test(NAME tst_vectorclones
        COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${PRALUNE_OBJDUMP}
                -DLIBRARY=$<TARGET_FILE:pralune_hardware>
                -P "${CMAKE_CURRENT_LIST_DIR}/scripts/checkvectorclones.cmake")
    set_tests_properties(tst_vectorclones PROPERTIES LABELS hardware)
endif()
