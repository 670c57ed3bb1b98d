target_sources(sorbeta_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DesktopApps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesktopApps.h
  ${CMAKE_CURRENT_LIST_DIR}/MemoryUsers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryUsers.h
  ${CMAKE_CURRENT_LIST_DIR}/PurgeCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PurgeCommand.h
  ${CMAKE_CURRENT_LIST_DIR}/StatusModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StatusModel.h
  ${CMAKE_CURRENT_LIST_DIR}/StatusTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/SystemProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemProbe.h)
