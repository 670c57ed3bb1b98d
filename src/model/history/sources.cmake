target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/History.cpp
  ${CMAKE_CURRENT_LIST_DIR}/History.h)
