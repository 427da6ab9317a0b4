# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/AutoSwitch.cpp
     ${CMAKE_CURRENT_LIST_DIR}/NetworkIdentity.cpp
     ${CMAKE_CURRENT_LIST_DIR}/Teach.cpp)
