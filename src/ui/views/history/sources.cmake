target_sources(sorbeta_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ChangeRow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChangeRow.h
  ${CMAKE_CURRENT_LIST_DIR}/HistoryMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryMain.h
  ${CMAKE_CURRENT_LIST_DIR}/HistoryPageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryPageText.h
  ${CMAKE_CURRENT_LIST_DIR}/HistoryPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryPanel.h
  ${CMAKE_CURRENT_LIST_DIR}/UsageChart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UsageChart.h
  ${CMAKE_CURRENT_LIST_DIR}/UsageChartScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UsageChartScale.h)
