# Win32, built for Windows only.
list(APPEND VORLIP_APP_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/ApplyWorkflow.cpp
     ${CMAKE_CURRENT_LIST_DIR}/AskDialog.cpp
     ${CMAKE_CURRENT_LIST_DIR}/CommandLineRun.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProfileTransferRun.cpp
     ${CMAKE_CURRENT_LIST_DIR}/SwitchRun.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPApp.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlg.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgAdvanced.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgApply.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgSwitch.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgConfig.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgDesktop.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgForm.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgTransfer.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlIPDlgWindows.cpp)
