target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AppModel.h
  ${CMAKE_CURRENT_LIST_DIR}/CleanReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CleanReport.h
  ${CMAKE_CURRENT_LIST_DIR}/CleanRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CleanRun.h
  ${CMAKE_CURRENT_LIST_DIR}/CleanSelection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CleanSelection.h
  ${CMAKE_CURRENT_LIST_DIR}/ModelEnvironment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModelEnvironment.h
  ${CMAKE_CURRENT_LIST_DIR}/ScanRun.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScanRun.h
  ${CMAKE_CURRENT_LIST_DIR}/ScanTypes.h)
