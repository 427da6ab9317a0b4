# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/ApplyReport.cpp
     ${CMAKE_CURRENT_LIST_DIR}/NetshCommands.cpp
     ${CMAKE_CURRENT_LIST_DIR}/PrinterRules.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProxyServer.cpp)
# Win32, built for Windows only.
list(APPEND VORLIP_APP_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/AutoConfigScriptWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/AddressWaitWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/EnumPrintersWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/NetworkChangerWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProxyServerWin.cpp)
