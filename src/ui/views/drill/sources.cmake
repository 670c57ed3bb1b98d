target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DrillHeader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrillHeader.h
  ${CMAKE_CURRENT_LIST_DIR}/DrillPane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrillPane.h
  ${CMAKE_CURRENT_LIST_DIR}/DrillPaneText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrillPaneText.h)
