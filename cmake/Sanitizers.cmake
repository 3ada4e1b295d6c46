# Address and undefined-behaviour sanitizers for every target of the build.
if(PRALUNE_SANITIZE)
    set(_pralune_san_flags -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_compile_options(${_pralune_san_flags})
    add_link_options(${_pralune_san_flags})
endif()
