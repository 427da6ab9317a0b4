# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/AddressInput.cpp)
# Win32, built for Windows only.
list(APPEND VORLIP_WIN_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/Dialog.cpp
     ${CMAKE_CURRENT_LIST_DIR}/MessageBox.cpp
     ${CMAKE_CURRENT_LIST_DIR}/Pump.cpp)
