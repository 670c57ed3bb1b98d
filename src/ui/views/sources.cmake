target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppInfo.h
  ${CMAKE_CURRENT_LIST_DIR}/FilePlaces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilePlaces.h
  ${CMAKE_CURRENT_LIST_DIR}/ModeLooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModeLooks.h)
