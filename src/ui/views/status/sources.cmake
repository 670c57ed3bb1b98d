target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StatusMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusMain.h
  ${CMAKE_CURRENT_LIST_DIR}/StatusPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusPanel.h
  ${CMAKE_CURRENT_LIST_DIR}/StatusTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusTexts.h)
