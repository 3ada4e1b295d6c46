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

# pralune_add_folder_tests(LABELS label ... LIBS lib ...)
# Every tst_*.cpp of the calling folder becomes one test executable linked to LIBS; the .cpp
# files under support/ (fixtures shared by the folder's tests) are compiled into each.
# A test that needs more than that is registered by hand in a *.cmake file of the folder,
# which this includes, and is named other than tst_*.cpp.
function(pralune_add_folder_tests)
    cmake_parse_arguments(F "" "" "LABELS;LIBS;ENVIRONMENT" ${ARGN})
    file(GLOB _tests CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp")
    file(GLOB _support CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp"
        "${CMAKE_CURRENT_SOURCE_DIR}/support/*.h")
    foreach(_test IN LISTS _tests)
        get_filename_component(_name "${_test}" NAME_WE)
        pralune_add_test(NAME ${_name} SOURCES ${_test} ${_support}
            LIBS ${F_LIBS} LABELS ${F_LABELS} ENVIRONMENT ${F_ENVIRONMENT})
        target_include_directories(${_name} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
    endforeach()
    file(GLOB _extra CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cmake")
    foreach(_file IN LISTS _extra)
        include("${_file}")
    endforeach()
endfunction()
