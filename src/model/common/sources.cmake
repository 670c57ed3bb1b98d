target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bytes.h
  ${CMAKE_CURRENT_LIST_DIR}/Flavor.h
  ${CMAKE_CURRENT_LIST_DIR}/JsonText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JsonText.h
  ${CMAKE_CURRENT_LIST_DIR}/LocaleDates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocaleDates.h
  ${CMAKE_CURRENT_LIST_DIR}/PathId.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PathId.h
  ${CMAKE_CURRENT_LIST_DIR}/WorkPool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkPool.h)
