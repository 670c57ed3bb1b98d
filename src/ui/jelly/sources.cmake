target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/JellyBody.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JellyBody.h
  ${CMAKE_CURRENT_LIST_DIR}/JellyBodyLayers.h
  ${CMAKE_CURRENT_LIST_DIR}/JellyBodyPixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JellyOutlineRaster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JellyOutlineRaster.h
  ${CMAKE_CURRENT_LIST_DIR}/JellyPixelRuns.h
  ${CMAKE_CURRENT_LIST_DIR}/JellyShape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JellyShape.h
  ${CMAKE_CURRENT_LIST_DIR}/ScanningJelly.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelectionRing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SelectionRing.h
  ${CMAKE_CURRENT_LIST_DIR}/ScanningJelly.h)
