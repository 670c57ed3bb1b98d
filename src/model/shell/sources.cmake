target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppLanguage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppLanguage.h
  ${CMAKE_CURRENT_LIST_DIR}/AppMode.h
  ${CMAKE_CURRENT_LIST_DIR}/AppSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/LanguageMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanguageMenu.h
  ${CMAKE_CURRENT_LIST_DIR}/RenameMigration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RenameMigration.h)
