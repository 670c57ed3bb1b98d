target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ShareCard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShareCard.h
  ${CMAKE_CURRENT_LIST_DIR}/ShareCardLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShareCardLayout.h
  ${CMAKE_CURRENT_LIST_DIR}/ShareCardSheet.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ShareCardSheet.h)
