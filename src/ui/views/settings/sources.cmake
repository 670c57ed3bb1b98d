target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/AutoCleanSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AutoCleanSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/GeneralSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GeneralSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/SettingsCard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsCard.h
  ${CMAKE_CURRENT_LIST_DIR}/SettingsContext.h
  ${CMAKE_CURRENT_LIST_DIR}/SettingsView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsView.h)
