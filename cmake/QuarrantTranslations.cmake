# The program's translations: translations/quarrant_<lang>.ts (Qt Linguist sources, one per
# language in translations/languages) compiled with lrelease into .qm files, which
# quarrant_translations() builds into a layer's resources under :/translations/.
# The update_translations target (make translations) runs lupdate over src/.
file(READ ${PROJECT_SOURCE_DIR}/translations/languages QUARRANT_LANGUAGES)
string(STRIP "${QUARRANT_LANGUAGES}" QUARRANT_LANGUAGES)
separate_arguments(QUARRANT_LANGUAGES UNIX_COMMAND "${QUARRANT_LANGUAGES}")
set(QUARRANT_LANGUAGES ${QUARRANT_LANGUAGES} CACHE INTERNAL "Languages the program is translated into")
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/translations/languages)

# Debian's qt6-l10n-tools puts the tools in Qt's own folder; they run on the build host, also
# when the program is cross-built.
find_program(QUARRANT_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin REQUIRED)

function(quarrant_translations layer)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/translations)
  set(qm_files)
  foreach(lang IN LISTS QUARRANT_LANGUAGES)
    set(ts ${PROJECT_SOURCE_DIR}/translations/quarrant_${lang}.ts)
    set(qm ${folder}/quarrant_${lang}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND ${QUARRANT_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Compiling the ${lang} translation" VERBATIM)
    list(APPEND qm_files ${qm})
  endforeach()
  set_source_files_properties(${qm_files} PROPERTIES GENERATED TRUE)
  set(options)
  if(WIN32)
    list(APPEND options --no-zstd)
  endif()
  qt_add_resources(${layer} translations PREFIX /translations BASE ${folder}
                   FILES ${qm_files} OPTIONS ${options})
endfunction()

add_custom_target(update_translations
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/update-translations.sh
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Updating translations/*.ts from the texts in src/" VERBATIM)
