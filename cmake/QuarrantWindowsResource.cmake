# The program file's Windows resources, compiled by windres: the VERSIONINFO made from
# project(VERSION), from which the window title takes its version, the program icon (drawn
# from the scalable icon) and the application manifest.
find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert REQUIRED)
find_program(ICOTOOL_EXECUTABLE icotool REQUIRED)

set(quarrant_icon_svg ${PROJECT_SOURCE_DIR}/packaging/icons/io.github.quarrant.Quarrant.svg)
set(quarrant_icon_dir ${CMAKE_CURRENT_BINARY_DIR}/windows_icon)
set(QUARRANT_ICO ${quarrant_icon_dir}/quarrant.ico)
set(quarrant_icon_pngs)
foreach(size 16 24 32 48 64 256)
  list(APPEND quarrant_icon_pngs ${quarrant_icon_dir}/${size}.png)
  add_custom_command(
    OUTPUT ${quarrant_icon_dir}/${size}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${quarrant_icon_dir}
    COMMAND ${RSVG_CONVERT_EXECUTABLE} -w ${size} -h ${size} -o ${quarrant_icon_dir}/${size}.png
            ${quarrant_icon_svg}
    DEPENDS ${quarrant_icon_svg}
    VERBATIM)
endforeach()
# The 256-pixel image is kept as PNG inside the icon file, the smaller ones as bitmaps.
add_custom_command(
  OUTPUT ${QUARRANT_ICO}
  COMMAND ${ICOTOOL_EXECUTABLE} -c -o ${QUARRANT_ICO} ${quarrant_icon_dir}/16.png
          ${quarrant_icon_dir}/24.png ${quarrant_icon_dir}/32.png ${quarrant_icon_dir}/48.png
          ${quarrant_icon_dir}/64.png -r ${quarrant_icon_dir}/256.png
  DEPENDS ${quarrant_icon_pngs}
  COMMENT "Making the program icon quarrant.ico"
  VERBATIM)

set(QUARRANT_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/quarrant.exe.manifest)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quarrant.exe.manifest.in
               ${QUARRANT_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/quarrant.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/quarrant.rc @ONLY)
target_sources(quarrant PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quarrant.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/quarrant.rc PROPERTIES
                            OBJECT_DEPENDS "${QUARRANT_ICO};${QUARRANT_MANIFEST}")
