# The colour table is internal to the library (hidden), so its test compiles the table itself.
pralune_add_test(NAME tst_vekcolortable
    SOURCES "${CMAKE_CURRENT_LIST_DIR}/colortable_test.cpp"
            "${CMAKE_SOURCE_DIR}/vekwidgets/vekpaletteprivate.cpp"
    LIBS vekwidgets Qt5::Widgets
    LABELS vekwidgets)
