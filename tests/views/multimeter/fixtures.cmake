# Translations that only the multimeter tests load: compiled beside the build's other fixtures.
set(_multimeter_fixture_qm "${CMAKE_BINARY_DIR}/test-fixtures/multimeter/multimeter_ru.qm")
add_custom_command(OUTPUT "${_multimeter_fixture_qm}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/test-fixtures/multimeter"
    COMMAND Qt5::lrelease -silent "${CMAKE_CURRENT_SOURCE_DIR}/fixtures/multimeter_ru.ts"
            -qm "${_multimeter_fixture_qm}"
    DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/fixtures/multimeter_ru.ts"
    VERBATIM)
add_custom_target(multimeter_test_fixtures DEPENDS "${_multimeter_fixture_qm}")
foreach(_t tst_multimetertexts tst_digitalmultimeterwidget tst_digitalmultimeterview)
    if(TARGET ${_t})
        add_dependencies(${_t} multimeter_test_fixtures)
        target_compile_definitions(${_t} PRIVATE
            MULTIMETER_FIXTURE_DIR="${CMAKE_BINARY_DIR}/test-fixtures/multimeter")
    endif()
endforeach()
