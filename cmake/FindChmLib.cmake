# Finds chmlib, the reader of compiled HTML help files, as the imported target ChmLib::ChmLib.
# pkg-config is asked first; Debian's libchm-dev ships no .pc file, so the header and library
# are then looked for directly.
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(PC_CHMLIB QUIET chmlib)
endif()

find_path(ChmLib_INCLUDE_DIR chm_lib.h HINTS ${PC_CHMLIB_INCLUDE_DIRS})
find_library(ChmLib_LIBRARY NAMES chm chmlib HINTS ${PC_CHMLIB_LIBRARY_DIRS})

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(ChmLib REQUIRED_VARS ChmLib_LIBRARY ChmLib_INCLUDE_DIR
                                  VERSION_VAR PC_CHMLIB_VERSION)

if(ChmLib_FOUND AND NOT TARGET ChmLib::ChmLib)
  add_library(ChmLib::ChmLib UNKNOWN IMPORTED)
  set_target_properties(ChmLib::ChmLib PROPERTIES
    IMPORTED_LOCATION "${ChmLib_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${ChmLib_INCLUDE_DIR}")
endif()
mark_as_advanced(ChmLib_INCLUDE_DIR ChmLib_LIBRARY)
