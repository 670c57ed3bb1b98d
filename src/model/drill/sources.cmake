target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DirEntry.h
  ${CMAKE_CURRENT_LIST_DIR}/DrillLevel.h
  ${CMAKE_CURRENT_LIST_DIR}/DrillListing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrillListing.h
  ${CMAKE_CURRENT_LIST_DIR}/DrillModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrillModel.h
  ${CMAKE_CURRENT_LIST_DIR}/DrillWalk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DrillWalk.h)
