# The workspace tests need the instrument resources (see ui/CMakeLists.txt).
get_property(_workspace GLOBAL PROPERTY PRALUNE_WORKSPACE)
if(_workspace)
    foreach(_test IN ITEMS viewfactory pinnedwidgets instrumentspage)
        pralune_add_test(NAME tst_${_test}
            SOURCES "${CMAKE_CURRENT_LIST_DIR}/${_test}test.cpp"
                    "${CMAKE_CURRENT_LIST_DIR}/support/testview.h"
            LIBS pralune_ui $<$<TARGET_EXISTS:simbench>:simbench> Qt5::Widgets LABELS app)
        target_include_directories(tst_${_test} PRIVATE "${CMAKE_CURRENT_LIST_DIR}")
    endforeach()
endif()
