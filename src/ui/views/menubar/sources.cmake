target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MenuBarIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuBarIcon.h
  ${CMAKE_CURRENT_LIST_DIR}/MenuPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuPanel.h)
