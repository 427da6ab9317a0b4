# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/VersionFile.cpp)
# Win32, built for Windows only.
list(APPEND VORLIP_APP_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/UpdateCheckWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/UpdateServerDlgWin.cpp)
