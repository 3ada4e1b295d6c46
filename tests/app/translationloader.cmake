# The translation loader finds its files beside the program, so its test runs from a folder
# of its own with fixture translations there, instead of the program's real ones. A second
# copy has no translations/ folder and finds the files beside itself.
set(_fixtures
    "${CMAKE_CURRENT_LIST_DIR}/fixtures/pralune_ru.ts"
    "${CMAKE_CURRENT_LIST_DIR}/fixtures/vekwidgets_ru.ts"
    "${CMAKE_CURRENT_LIST_DIR}/fixtures/pralune.ts")

foreach(_variant IN ITEMS folder beside)
    set(_name tst_translationloader_${_variant})
    set(_bin "${CMAKE_BINARY_DIR}/test-bin/${_name}")
    if(_variant STREQUAL "folder")
        set(_qm_dir "${_bin}/translations")
    else()
        set(_qm_dir "${_bin}")
    endif()
    pralune_add_test(NAME ${_name}
        SOURCES "${CMAKE_CURRENT_LIST_DIR}/translationloadertest.cpp"
        LIBS pralune_app Qt5::Widgets
        LABELS app)
    set_target_properties(${_name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${_bin}")
    set(_qm_files)
    foreach(_ts IN LISTS _fixtures)
        get_filename_component(_base "${_ts}" NAME_WE)
        set(_qm "${_qm_dir}/${_base}.qm")
        add_custom_command(OUTPUT "${_qm}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${_qm_dir}"
            COMMAND Qt5::lrelease -silent "${_ts}" -qm "${_qm}"
            DEPENDS "${_ts}"
            VERBATIM)
        list(APPEND _qm_files "${_qm}")
    endforeach()
    add_custom_target(${_name}_fixtures DEPENDS ${_qm_files})
    add_dependencies(${_name} ${_name}_fixtures)
endforeach()
