target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CareSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CareSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/Maintenance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Maintenance.h)
