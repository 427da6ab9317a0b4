# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/ConfigKeys.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ConfigReader.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ConfigWriter.cpp
     ${CMAKE_CURRENT_LIST_DIR}/FormToProfile.cpp
     ${CMAKE_CURRENT_LIST_DIR}/IniText.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProfileExtras.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProfileTransfer.cpp
     ${CMAKE_CURRENT_LIST_DIR}/SectionNames.cpp)
# Win32 (through platform), built for Windows only.
list(APPEND VORLIP_APP_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/ConfigStore.cpp)
