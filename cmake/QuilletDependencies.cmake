# Every dependency comes from a Debian 12 package; quillet.sh lists them.
find_package(Qt6 6.2 REQUIRED COMPONENTS Core Gui Widgets Svg Test)

find_package(PkgConfig REQUIRED)
pkg_check_modules(LUA51 REQUIRED IMPORTED_TARGET lua5.1)
add_library(Quillet::Lua ALIAS PkgConfig::LUA51)

# QScintilla ships no CMake package on Debian: find the library and headers by hand.
find_path(QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h
          HINTS ${Qt6_DIR}/../../../include/${CMAKE_LIBRARY_ARCHITECTURE}/qt6
                /usr/include/${CMAKE_LIBRARY_ARCHITECTURE}/qt6 /usr/include/qt6)
find_library(QSCINTILLA_LIBRARY NAMES qscintilla2_qt6)
if(NOT QSCINTILLA_INCLUDE_DIR OR NOT QSCINTILLA_LIBRARY)
    message(FATAL_ERROR "QScintilla for Qt 6 not found (Debian: libqscintilla2-qt6-dev)")
endif()
add_library(Quillet::QScintilla UNKNOWN IMPORTED)
set_target_properties(Quillet::QScintilla PROPERTIES
    IMPORTED_LOCATION "${QSCINTILLA_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QSCINTILLA_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES Qt6::Widgets)
