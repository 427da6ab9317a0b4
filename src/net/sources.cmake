# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/AddressText.cpp
     ${CMAKE_CURRENT_LIST_DIR}/NicInformation.cpp)
# Win32, built for Windows only.
list(APPEND VORLIP_APP_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/IPHelperWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/NetworkWatchWin.cpp)
