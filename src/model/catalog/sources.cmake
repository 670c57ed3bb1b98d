target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Catalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Catalog.h
  ${CMAKE_CURRENT_LIST_DIR}/CatalogTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/LinuxCatalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinuxCatalog.h)
