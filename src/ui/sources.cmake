# Plain C++, built natively and for Windows.
list(APPEND VORLIP_LOGIC_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/ButtonColors.cpp
     ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
     ${CMAKE_CURRENT_LIST_DIR}/DesktopLayout.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ExtrasTexts.cpp
     ${CMAKE_CURRENT_LIST_DIR}/HelpTexts.cpp
     ${CMAKE_CURRENT_LIST_DIR}/LanguageTexts.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProfileSearch.cpp
     ${CMAKE_CURRENT_LIST_DIR}/SwitchTexts.cpp
     ${CMAKE_CURRENT_LIST_DIR}/SystemOptions.cpp
     ${CMAKE_CURRENT_LIST_DIR}/TransferTexts.cpp
     ${CMAKE_CURRENT_LIST_DIR}/TrayMenuModel.cpp
     ${CMAKE_CURRENT_LIST_DIR}/WindowSizes.cpp)
# Win32, built for Windows only.
list(APPEND VORLIP_APP_SOURCES
     ${CMAKE_CURRENT_LIST_DIR}/AdvancedDlg.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ButtonSTWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/FloatDlg.cpp
     ${CMAKE_CURRENT_LIST_DIR}/HelpDlg.cpp
     ${CMAKE_CURRENT_LIST_DIR}/ProcessingDlg.cpp
     ${CMAKE_CURRENT_LIST_DIR}/SearchDlg.cpp
     ${CMAKE_CURRENT_LIST_DIR}/VorlTrayIconWin.cpp
     ${CMAKE_CURRENT_LIST_DIR}/WebPageWin.cpp)
