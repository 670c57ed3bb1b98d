# Interface translations. Texts are looked up with their Simplified Chinese
# source as the key in the one context "Sorbeta"; each other language has a
# .ts file here, compiled by lrelease and embedded under :/i18n in sorbeta_ui.
# Unfinished entries are left out of the .qm, so they show the Chinese key.
#
# The build only runs lrelease when a .ts file changes. Extracting new texts
# is a separate step:  cmake --build <dir> --target update_translations
# zh_Hans is not a translation: it lists the Linux wordings of Chinese texts
# whose macOS meaning is wrong here (see tsmerge), loaded for the Chinese interface.
set(SORBETA_TRANSLATION_LANGUAGES zh_Hans en ko ja zh_Hant th vi es ar)
set(SORBETA_TS_FILES "")
foreach(language IN LISTS SORBETA_TRANSLATION_LANGUAGES)
  list(APPEND SORBETA_TS_FILES ${SORBETA_ROOT}/translations/sorbeta_${language}.ts)
endforeach()

# lrelease and the resource, the two build halves of qt_add_translations. Its
# third half, the lupdate target, would write the texts into per-namespace
# contexts that the application never looks up; update_translations below
# replaces it.
qt_add_lrelease(sorbeta_ui TS_FILES ${SORBETA_TS_FILES} QM_FILES_OUTPUT_VARIABLE SORBETA_QM_FILES)
qt_add_resources(sorbeta_ui sorbeta_translations
  PREFIX /i18n
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${SORBETA_QM_FILES})

add_executable(sorbeta_tsmerge EXCLUDE_FROM_ALL ${SORBETA_ROOT}/translations/tsmerge/TsMerge.cpp)
target_link_libraries(sorbeta_tsmerge PRIVATE Qt6::Core)
target_compile_features(sorbeta_tsmerge PRIVATE cxx_std_20)
target_compile_options(sorbeta_tsmerge PRIVATE ${SORBETA_WARNINGS})

set(SORBETA_EXTRACTED_TS ${CMAKE_CURRENT_BINARY_DIR}/translations/extracted.ts)
add_custom_target(update_translations
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/translations
  COMMAND ${CMAKE_COMMAND} -E rm -f ${SORBETA_EXTRACTED_TS}
  COMMAND Qt6::lupdate -silent -recursive -extensions cpp,h
          -tr-function-alias QT_TR_NOOP+=SORBETA_TR_NOOP
          -locations none -no-obsolete
          ${SORBETA_ROOT}/src -ts ${SORBETA_EXTRACTED_TS}
  COMMAND sorbeta_tsmerge ${SORBETA_EXTRACTED_TS} ${SORBETA_TS_FILES}
  DEPENDS sorbeta_tsmerge
  COMMENT "Extracting interface texts into translations/*.ts"
  VERBATIM)
