# Theme icons are looked up in the resources; this test brings a small icon set of its own.
pralune_add_test(NAME tst_themeicon
    SOURCES "${CMAKE_CURRENT_LIST_DIR}/themeicontest.cpp" "${CMAKE_CURRENT_LIST_DIR}/themeicons.qrc"
    LIBS pralune_viewbase Qt5::Widgets LABELS app)
