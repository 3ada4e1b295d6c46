# Translations that only the ui tests load: compiled beside the build's other fixtures.
set(_ui_fixture_qm "${CMAKE_BINARY_DIR}/test-fixtures/ui/initialization_ru.qm")
add_custom_command(OUTPUT "${_ui_fixture_qm}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/test-fixtures/ui"
    COMMAND Qt5::lrelease -silent "${CMAKE_CURRENT_SOURCE_DIR}/fixtures/initialization_ru.ts"
            -qm "${_ui_fixture_qm}"
    DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/fixtures/initialization_ru.ts"
    VERBATIM)
add_custom_target(ui_test_fixtures DEPENDS "${_ui_fixture_qm}")
foreach(_t tst_initializationpage tst_initializationindicator)
    if(TARGET ${_t})
        add_dependencies(${_t} ui_test_fixtures)
        target_compile_definitions(${_t} PRIVATE
            UI_FIXTURE_DIR="${CMAKE_BINARY_DIR}/test-fixtures/ui")
    endif()
endforeach()
# The bench the README offers for trying the program: the page's tests run on it as it ships.
foreach(_t tst_initializationpage tst_pralunewindow)
    if(TARGET ${_t})
        target_compile_definitions(${_t} PRIVATE
            EXAMPLE_BENCH="${CMAKE_SOURCE_DIR}/platform/simbench/examplebench.ini")
    endif()
endforeach()
