# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/FileRules.cpp
     ${CMAKE_CURRENT_LIST_DIR}/MaskRegion.cpp
     ${CMAKE_CURRENT_LIST_DIR}/TextLogTrim.cpp)
# Win32, built for Windows only.
list(APPEND VORLIP_WIN_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/BitmapRegion.cpp
     ${CMAKE_CURRENT_LIST_DIR}/CodePage.cpp
     ${CMAKE_CURRENT_LIST_DIR}/Com.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ConfigurationFile.cpp
     ${CMAKE_CURRENT_LIST_DIR}/FileDialogs.cpp
     ${CMAKE_CURRENT_LIST_DIR}/FileWatch.cpp
     ${CMAKE_CURRENT_LIST_DIR}/Internet.cpp
     ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
     ${CMAKE_CURRENT_LIST_DIR}/Shell.cpp
     ${CMAKE_CURRENT_LIST_DIR}/System.cpp
     ${CMAKE_CURRENT_LIST_DIR}/SystemError.cpp
     ${CMAKE_CURRENT_LIST_DIR}/TaskScheduler.cpp
     ${CMAKE_CURRENT_LIST_DIR}/TextLog.cpp)
