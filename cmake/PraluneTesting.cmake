# pralune_add_test(NAME tst_x SOURCES a.cpp ... LIBS lib ... LABELS label ...)
# One Qt Test executable registered with CTest. Each test runs through run-test.sh, which
# gives it a fresh HOME and XDG folders under the build tree, so QSettings' native store,
# the configuration folder and the Documents folder never touch the user's own.
set(PRALUNE_TEST_RUNNER "${CMAKE_CURRENT_LIST_DIR}/run-test.sh")

function(pralune_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
    if(NOT T_NAME)
        message(FATAL_ERROR "pralune_add_test needs NAME")
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
    add_dependencies(${T_NAME} pralune_translations)
    set(_home "${CMAKE_BINARY_DIR}/test-homes/${T_NAME}")
    add_test(NAME ${T_NAME}
        COMMAND "${PRALUNE_TEST_RUNNER}" "${_home}" $<TARGET_FILE:${T_NAME}>)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS "${T_LABELS}"
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;${T_ENVIRONMENT}")
endfunction()

# Adds each listed sub-folder that has a CMakeLists.txt; folders fill in as work lands.
function(pralune_add_present_subdirectories)
    foreach(_dir IN LISTS ARGN)
        if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${_dir}/CMakeLists.txt")
            add_subdirectory(${_dir})
        endif()
    endforeach()
endfunction()
