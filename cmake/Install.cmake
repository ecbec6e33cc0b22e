# What `cmake --install` puts in place for other projects: the library as libquilchart.a, its
# headers under include/quilchart/, the CMake package QuilChart (imported target
# QuilChart::quilchart, which brings Cairo and Pango along, and the component Gtk) and the
# pkg-config files quilchart.pc and quilchart-gtk.pc.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QUIL_PACKAGE_VERSION 0.1.0)
set(QUIL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/QuilChart)

set_target_properties(chart_core PROPERTIES OUTPUT_NAME quilchart EXPORT_NAME quilchart)
install(TARGETS chart_core EXPORT QuilChartTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quilchart ${CMAKE_INSTALL_INCLUDEDIR})
# The headers include each other by their folder ("chart/rovede.h"); a program may write either
# that or <quilchart/chart/rovede.h>. The snapshot tool's sources are not part of the library.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quilchart
        FILES_MATCHING PATTERN "*.h"
        PATTERN "snapshot" EXCLUDE)

install(EXPORT QuilChartTargets NAMESPACE QuilChart:: DESTINATION ${QUIL_PACKAGE_DIR})

# The GTK 3 part (the chart widget and the form window), as the package's component Gtk:
# QuilChart::quilchart_gtk brings GTK along to the program that uses it.
set_target_properties(chart_shell PROPERTIES OUTPUT_NAME quilchart-gtk EXPORT_NAME quilchart_gtk)
target_link_libraries(chart_shell INTERFACE $<INSTALL_INTERFACE:PkgConfig::GTK3>)
install(TARGETS chart_shell EXPORT QuilChartGtkTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT QuilChartGtkTargets NAMESPACE QuilChart:: DESTINATION ${QUIL_PACKAGE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/package/QuilChartConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/QuilChartConfig.cmake
                              INSTALL_DESTINATION ${QUIL_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/QuilChartConfigVersion.cmake
                                 VERSION ${QUIL_PACKAGE_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/QuilChartConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/QuilChartConfigVersion.cmake
        DESTINATION ${QUIL_PACKAGE_DIR})

file(RELATIVE_PATH QUIL_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" QUIL_PC_TO_PREFIX "${QUIL_PC_TO_PREFIX}")
foreach(pc quilchart quilchart-gtk)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/package/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
