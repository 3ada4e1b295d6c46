# Finds Debian's Qwt 6 built for Qt 5 and provides the imported target Qwt::Qwt.
find_path(QWT_INCLUDE_DIR NAMES qwt_plot.h
    PATHS /usr/include/qwt /usr/include/qt5/qwt /usr/local/include/qwt
    PATH_SUFFIXES qwt)
find_library(QWT_LIBRARY NAMES qwt-qt5 qwt6-qt5 qwt)

if(QWT_INCLUDE_DIR AND EXISTS "${QWT_INCLUDE_DIR}/qwt_global.h")
    file(STRINGS "${QWT_INCLUDE_DIR}/qwt_global.h" _qwt_version_line
        REGEX "^#define[ \t]+QWT_VERSION_STR[ \t]+\"[^\"]+\"")
    string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" QWT_VERSION "${_qwt_version_line}")
endif()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Qwt
    REQUIRED_VARS QWT_LIBRARY QWT_INCLUDE_DIR
    VERSION_VAR QWT_VERSION)

if(Qwt_FOUND AND NOT TARGET Qwt::Qwt)
    add_library(Qwt::Qwt UNKNOWN IMPORTED)
    # SYSTEM include so that warnings inside Qwt's headers do not drown ours.
    set_target_properties(Qwt::Qwt PROPERTIES
        IMPORTED_LOCATION "${QWT_LIBRARY}"
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${QWT_INCLUDE_DIR}"
        INTERFACE_INCLUDE_DIRECTORIES "${QWT_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "Qt5::Widgets;Qt5::Svg")
endif()
mark_as_advanced(QWT_INCLUDE_DIR QWT_LIBRARY)
