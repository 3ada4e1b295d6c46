# Tests that look icons up in the resources bring a small icon set of their own.
foreach(_test IN ITEMS themeicon rangeslider)
    pralune_add_test(NAME tst_${_test}
        SOURCES "${CMAKE_CURRENT_LIST_DIR}/${_test}test.cpp" "${CMAKE_CURRENT_LIST_DIR}/testicons.qrc"
        LIBS pralune_viewbase Qt5::Widgets LABELS app)
    target_include_directories(tst_${_test} PRIVATE "${CMAKE_CURRENT_LIST_DIR}")
endforeach()
