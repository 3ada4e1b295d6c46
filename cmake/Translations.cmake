# Compiles .ts sources to .qm files and places them in translations/ beside the executables,
# which all live in the build's top folder, so the program and every test find them alike.
set(PRALUNE_TRANSLATIONS_DIR "${CMAKE_BINARY_DIR}/translations")
if(NOT TARGET pralune_translations)
    add_custom_target(pralune_translations ALL)
endif()

function(pralune_add_translations)
    set(_qm_files)
    foreach(_ts IN LISTS ARGN)
        get_filename_component(_ts_abs "${_ts}" ABSOLUTE)
        get_filename_component(_base "${_ts}" NAME_WE)
        set(_qm "${PRALUNE_TRANSLATIONS_DIR}/${_base}.qm")
        add_custom_command(OUTPUT "${_qm}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${PRALUNE_TRANSLATIONS_DIR}"
            COMMAND Qt5::lrelease -silent "${_ts_abs}" -qm "${_qm}"
            DEPENDS "${_ts_abs}"
            VERBATIM)
        list(APPEND _qm_files "${_qm}")
    endforeach()
    string(MD5 _id "${ARGN}")
    add_custom_target(pralune_qm_${_id} DEPENDS ${_qm_files})
    add_dependencies(pralune_translations pralune_qm_${_id})
endfunction()
