target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DirEntry.h)
