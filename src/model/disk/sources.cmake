target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Access.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Access.h
  ${CMAKE_CURRENT_LIST_DIR}/ListedEntries.h
  ${CMAKE_CURRENT_LIST_DIR}/Measure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Measure.h
  ${CMAKE_CURRENT_LIST_DIR}/ProjectArtifacts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProjectArtifacts.h
  ${CMAKE_CURRENT_LIST_DIR}/Removal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Removal.h
  ${CMAKE_CURRENT_LIST_DIR}/RowRoots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowRoots.h
  ${CMAKE_CURRENT_LIST_DIR}/Targets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Targets.h
  ${CMAKE_CURRENT_LIST_DIR}/TrashPairs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrashPairs.h)
