# The Windows folder of the program, as it runs on a Windows machine as it stands: quarrant.exe
# and Rare.chm side by side, the Qt libraries and the plugins the program loads (platform,
# style), and the MinGW runtime the Qt libraries and the program link to. Everything goes into
# one flat folder (`cmake --install` with the folder as prefix); the zip and the installer are
# made from it (scripts/windows-package.sh).
if(QUARRANT_ENGINE_ONLY)
  return()
endif()

# Qt's targets were imported in src/; this folder imports them for itself.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport)

install(TARGETS quarrant RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/bin/Rare.chm DESTINATION .)
foreach(lang IN LISTS QUARRANT_HELP_LANGUAGES)
  install(FILES ${PROJECT_BINARY_DIR}/bin/Rare_${lang}.chm DESTINATION .)
endforeach()

foreach(module Core Gui Widgets PrintSupport)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()

# Qt's own dialog texts in each of the program's languages, in translations/ beside the
# program, where it looks for them on Windows. The Qt for Windows built here has no
# translations; Debian's (qt6-translations-l10n, the same Qt version) are platform-neutral.
foreach(lang IN LISTS QUARRANT_LANGUAGES)
  find_file(qtbase_qm qtbase_${lang}.qm PATHS /usr/share/qt6/translations
            NO_CACHE REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  install(FILES ${qtbase_qm} DESTINATION translations)
  unset(qtbase_qm)
endforeach()

# The compiler's runtime libraries, found where the cross compiler keeps them.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    # libwinpthread lives in the sysroot, which the compiler does not search for DLLs.
    find_file(runtime_path_found ${runtime} PATHS ${CMAKE_FIND_ROOT_PATH}/lib
              NO_CACHE REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(runtime_path ${runtime_path_found})
    unset(runtime_path_found)
  endif()
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

# The libraries as shipped carry their symbol tables (libstdc++ most of all); with
# `cmake --install --strip` they lose them like the program does.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${libraries})
  endif()")
