# The evaluations find the analysis module beside the program. Their test runs once beside
# the real module and once from a folder of its own, where no module can be found; the
# binding's test also gets a module that lacks functions.
set(_evaluations_libs pralune_resources $<$<TARGET_EXISTS:simbench>:simbench>)

if(TARGET tst_evaluatedataprocessor)
    add_dependencies(tst_evaluatedataprocessor nianlys)

    set(_name tst_evaluatedataprocessor_nolibrary)
    pralune_add_test(NAME ${_name}
        SOURCES "${CMAKE_CURRENT_LIST_DIR}/tst_evaluatedataprocessor.cpp"
        LIBS ${_evaluations_libs}
        LABELS resources)
    target_include_directories(${_name} PRIVATE "${CMAKE_CURRENT_LIST_DIR}")
    target_compile_definitions(${_name} PRIVATE PRALUNE_WITHOUT_ANALYSIS_LIBRARY)
    set_target_properties(${_name} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/test-bin/${_name}")
endif()

if(TARGET tst_analysisbinding)
    add_library(nianlys_partial MODULE "${CMAKE_CURRENT_LIST_DIR}/fixtures/nianlyspartial.cpp")
    set_target_properties(nianlys_partial PROPERTIES AUTOMOC OFF
        LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/test-bin/analysis-fixtures")
    target_include_directories(nianlys_partial PRIVATE "${PROJECT_SOURCE_DIR}/platform/include")
    add_dependencies(tst_analysisbinding nianlys nianlys_partial)
    target_compile_definitions(tst_analysisbinding PRIVATE
        NIANLYS_PARTIAL_PATH="$<TARGET_FILE:nianlys_partial>")
endif()
