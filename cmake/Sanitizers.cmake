# Address and undefined-behaviour sanitizers, or the thread sanitizer, for every target of the
# build; the two cannot share a build.
if(PRALUNE_SANITIZE AND PRALUNE_THREAD_SANITIZE)
    message(FATAL_ERROR "PRALUNE_SANITIZE and PRALUNE_THREAD_SANITIZE need separate builds")
endif()
if(PRALUNE_SANITIZE)
    set(_pralune_san_flags -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_compile_options(${_pralune_san_flags})
    add_link_options(${_pralune_san_flags})
endif()
if(PRALUNE_THREAD_SANITIZE)
    set(_pralune_tsan_flags -fsanitize=thread -fno-omit-frame-pointer)
    add_compile_options(${_pralune_tsan_flags})
    add_link_options(${_pralune_tsan_flags})
endif()
