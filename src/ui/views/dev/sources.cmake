target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DevDetail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DevDetail.h
  ${CMAKE_CURRENT_LIST_DIR}/DevEntryRow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DevEntryRow.h
  ${CMAKE_CURRENT_LIST_DIR}/DevMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DevMain.h
  ${CMAKE_CURRENT_LIST_DIR}/DevPageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DevPageText.h
  ${CMAKE_CURRENT_LIST_DIR}/DevPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DevPanel.h)
