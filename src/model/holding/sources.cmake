target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/HoldingArea.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HoldingArea.h
  ${CMAKE_CURRENT_LIST_DIR}/HoldingManifest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HoldingManifest.h
  ${CMAKE_CURRENT_LIST_DIR}/HoldingModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HoldingModel.h
  ${CMAKE_CURRENT_LIST_DIR}/HoldingWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HoldingWriter.h
  ${CMAKE_CURRENT_LIST_DIR}/RestoreTargets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RestoreTargets.h)
