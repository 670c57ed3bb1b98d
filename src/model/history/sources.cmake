target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/History.cpp
  ${CMAKE_CURRENT_LIST_DIR}/History.h
  ${CMAKE_CURRENT_LIST_DIR}/HistoryMath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryMath.h
  ${CMAKE_CURRENT_LIST_DIR}/HistoryModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryModel.h)
