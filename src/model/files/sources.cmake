target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FileDuplicates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileDuplicates.h
  ${CMAKE_CURRENT_LIST_DIR}/FileFinder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileFinder.h
  ${CMAKE_CURRENT_LIST_DIR}/FileGroups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileGroups.h
  ${CMAKE_CURRENT_LIST_DIR}/FileTrash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileTrash.h)
