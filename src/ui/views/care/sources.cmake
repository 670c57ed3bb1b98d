target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RuleRow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RuleRow.h)
