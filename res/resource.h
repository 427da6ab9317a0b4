// Resource ids of VorlIP: dialog templates, icons, bitmaps, controls and tray commands.
//
// This header is shared by VorlIP.rc and by the C++ code, including the logic that is built
// natively on Linux, so it must stay plain #defines with no dependency on <windows.h>.
//
// Id ranges:
//   128 - 160    dialog templates (IDD_), icons (IDR_/IDI_) and bitmaps (IDB_); one numbering,
//                no number is used twice.
//   1, 2         IDOK / IDCANCEL. In the main window 2 is "Exit Anyway!", so Escape and the
//                close request reach the same handler as the button.
//   1000 - 1069  dialog controls (IDC_). Ids are unique within a dialog, not across dialogs:
//                1043, 1056, 1059, 1060, 1065, 1066 and 1067 mean different things in
//                different dialogs. Each meaning gets its own name below, grouped by dialog,
//                so code never borrows a main-window name for a control of another dialog.
//   1080 - 1099  the main window's "Advanced..." button and the controls of the dialog it
//                opens (extra addresses, proxy server).
//   1100 - 1119  automatic switching.
//   1136         tray menu: show the main window again.
//   1801 - 1901  tray menu: one command per saved profile plus "Exit", handed out in order
//                from ID_TRAY_FIRST. With more than 100 profiles the ids run on past
//                ID_TRAY_LAST; every id handed out is routed to the profile-entry handler, and
//                no other command of the main window lies above this span.
//   2048         id stored with a tray menu separator (equals the separator menu flag); the
//                profile entries skip it.
//
// The tray callback message and the global hot-key id are not resources; they live with the
// code that uses them.

#ifndef VORLIP_RES_RESOURCE_H
#define VORLIP_RES_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icons and bitmaps. IDR_MAINFRAME has the lowest number so the shell shows it as the
// executable's icon.
#define IDR_MAINFRAME 128
#define IDB_PROCESSING 135       // busy window picture, 300 x 170
#define IDB_PROCESSING_MASK 137  // busy window shape: white is outside the window
#define IDI_CHANGE_ALL 142
#define IDI_VISIT 143
#define IDI_EXIT 145
#define IDI_WHATS_NEW 149
#define IDI_HELP 150
#define IDI_SAVE_OPTION 151
#define IDI_HIDE_TRAY 153
#define IDB_TERMINATE_SIDE 157  // link strip at the left of the terminate dialog, 100 x 200

// Dialog templates.
#define IDD_HELP 132
#define IDD_PROCESSING 136
#define IDD_VORLIP_DIALOG 140
#define IDD_ASK_DIALOG 155
#define IDD_SEARCH 158
#define IDD_UPDATE_SERVER 159
#define IDD_FLOAT 160
#define IDD_ADVANCED 146

// Main window (IDD_VORLIP_DIALOG): profile editor in the left panel.
#define IDC_EXIT_ANYWAY 2  // IDCANCEL
#define IDC_TITLE_LIST 1000
#define IDC_IP 1001
#define IDC_SUBNET 1002
#define IDC_DNS 1003
#define IDC_GATEWAY 1004
#define IDC_DNS2 1005
#define IDC_CHANGE_ALL 1006
#define IDC_NIC_LIST 1007
#define IDC_SAVE 1009
#define IDC_HELP_DHCP 1014
#define IDC_USE_DHCP_IP 1015
#define IDC_USE_STATIC_IP 1016
#define IDC_USE_DHCP_DNS 1017
#define IDC_USE_STATIC_DNS 1018
#define IDC_HELP_NIC 1019
#define IDC_LOAD_CURRENT 1020
#define IDC_PRINTER_LIST 1021
#define IDC_DELETE 1038
#define IDC_TITLE_LABEL 1043
#define IDC_NIC_LABEL 1044
#define IDC_DHCP_LABEL 1045
#define IDC_IP_LABEL 1046
#define IDC_SUBNET_LABEL 1047
#define IDC_GATEWAY_LABEL 1048
#define IDC_DNS_LABEL 1049
#define IDC_DNS2_LABEL 1050
#define IDC_PRINTER_LABEL 1051
#define IDC_AUTOCONF_CHECK 1055
#define IDC_AUTOCONF_URL 1056
#define IDC_EXPAND 1057
#define IDC_METRIC 1058
#define IDC_SEARCH 1064
#define IDC_SIZE_TROUBLE 1069

// Main window: options, system settings and adapter information in the right panel.
#define IDC_LANGUAGE_LIST 1022
#define IDC_ABOUT 1023
#define IDC_WHATS_NEW 1028
#define IDC_NIC_INFO 1036
#define IDC_VISIT 1041
#define IDC_OPTION_GROUP 1052
#define IDC_LANGUAGE_LABEL 1053
#define IDC_NIC_INFO_GROUP 1054
#define IDC_SYSTEM_GROUP 1060
#define IDC_START_ON_BOOT 1063
#define IDC_CHANGE_FORCE 1065
#define IDC_GLOBAL_HOT_KEY 1066
#define IDC_IMPORT_PROFILES 1010
#define IDC_EXPORT_PROFILES 1011

// Main window: controls parked beyond the right panel. They are never on screen, but the
// language tables still caption them and a few of them still carry commands.
#define IDC_TEMP_DIR 1024
#define IDC_TEMP_DIR_BROWSE 1025
#define IDC_HELP_TEMP_DIR 1026
#define IDC_TEMP_DIR_FRAME 1027
#define IDC_START_LOGO 1029
#define IDC_ANIMATION 1030
#define IDC_EXIT_CHECK 1031
#define IDC_DEBUG_GROUP 1032
#define IDC_CHANGE_IP_DNS_ONLY 1033
#define IDC_TEMP_DIR_LABEL 1034
#define IDC_CHANGE_PRINTER_ONLY 1035
#define IDC_SAVE_OPTION 1037
#define IDC_DEFAULT_NETWORK_GROUP 1042
#define IDC_HIDE_TRAY 1059

// Help dialog (IDD_HELP).
#define IDC_HELP_TABS 1039
#define IDC_HELP_TEXT 1040

// Terminate dialog (IDD_ASK_DIALOG). IDOK is "Terminate Program".
#define IDC_ASK_LABEL 1043
#define IDC_ASK_HIDE 1059
#define IDC_ASK_LAUNCHER 1060
#define IDC_ASK_FLOAT 1061

// Search dialog (IDD_SEARCH).
#define IDC_SEARCH_TEXT 1056
#define IDC_SEARCH_RESULTS 1065

// New-version dialog (IDD_UPDATE_SERVER). IDOK is "Go to the site!".
#define IDC_RELEASE_NOTES 1056
#define IDC_LATEST_VERSION 1066
#define IDC_DOWNLOAD_PAGE 1067

// Floating IP bar (IDD_FLOAT).
#define IDC_FLOAT_HIDE 1067
#define IDC_FLOAT_TEXT 1068

// Main window: opens the Advanced dialog.
#define IDC_ADVANCED 1080

// Advanced dialog (IDD_ADVANCED): a profile's extra addresses and its proxy server.
#define IDC_ADVANCED_OK 1      // IDOK
#define IDC_ADVANCED_CANCEL 2  // IDCANCEL
#define IDC_EXTRA_GROUP 1081
#define IDC_EXTRA_LIST 1082
#define IDC_EXTRA_IP_LABEL 1083
#define IDC_EXTRA_IP 1084
#define IDC_EXTRA_SUBNET_LABEL 1085
#define IDC_EXTRA_SUBNET 1086
#define IDC_EXTRA_ADD 1087
#define IDC_EXTRA_CHANGE 1088
#define IDC_EXTRA_REMOVE 1089
#define IDC_EXTRA_NOTE 1090
#define IDC_PROXY_GROUP 1091
#define IDC_PROXY_CHECK 1092
#define IDC_PROXY_SERVER_LABEL 1093
#define IDC_PROXY_SERVER 1094
#define IDC_PROXY_EXCEPTIONS_LABEL 1095
#define IDC_PROXY_EXCEPTIONS 1096
#define IDC_PROXY_LOCAL 1097
#define IDC_PROXY_NOTE 1098

// Automatic switching: the main window's option.
#define IDC_AUTO_SWITCH 1100

// Tray menu commands.
#define ID_TRAY_SHOW 1136
#define ID_TRAY_FIRST 1801
#define ID_TRAY_LAST 1901
#define ID_TRAY_SEPARATOR 2048

#endif  // VORLIP_RES_RESOURCE_H
