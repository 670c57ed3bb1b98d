target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppDetail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppDetail.h
  ${CMAKE_CURRENT_LIST_DIR}/AppIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppIcons.h
  ${CMAKE_CURRENT_LIST_DIR}/UninstallMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UninstallMain.h
  ${CMAKE_CURRENT_LIST_DIR}/UninstallPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UninstallPanel.h
  ${CMAKE_CURRENT_LIST_DIR}/UninstallTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UninstallTexts.h)
