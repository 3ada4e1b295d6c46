# pralune_add_shared_library(NAME target EXPORT_MACRO MACRO LIBS lib ...)
# One of the two shipped libraries: every source of the folder, hidden visibility, and an
# export header <target>_export.h from GenerateExportHeader, so the export list is real.
function(pralune_add_shared_library)
    cmake_parse_arguments(S "" "NAME;EXPORT_MACRO" "LIBS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h"
        "${CMAKE_CURRENT_SOURCE_DIR}/*.ui" "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
    set(_cpp ${_sources})
    list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
    if(NOT _cpp)
        # Nothing to build yet: still a target that the program can name.
        add_library(${S_NAME} INTERFACE)
        target_include_directories(${S_NAME} INTERFACE "${CMAKE_SOURCE_DIR}" "${CMAKE_BINARY_DIR}")
        return()
    endif()
    add_library(${S_NAME} SHARED ${_sources})
    set_target_properties(${S_NAME} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR})
    generate_export_header(${S_NAME}
        BASE_NAME ${S_NAME}
        EXPORT_MACRO_NAME ${S_EXPORT_MACRO}
        EXPORT_FILE_NAME "${CMAKE_CURRENT_BINARY_DIR}/${S_NAME}_export.h")
    target_include_directories(${S_NAME} PUBLIC
        "${CMAKE_SOURCE_DIR}" "${CMAKE_BINARY_DIR}" "${CMAKE_CURRENT_BINARY_DIR}")
    target_link_libraries(${S_NAME} PUBLIC ${S_LIBS})
endfunction()
