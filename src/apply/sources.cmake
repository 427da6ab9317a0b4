list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/ApplyReport.cpp
     ${CMAKE_CURRENT_LIST_DIR}/NetshCommands.cpp
     ${CMAKE_CURRENT_LIST_DIR}/PrinterRules.cpp)
