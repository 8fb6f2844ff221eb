// Identifiers of the framework's test dialogs (shared by the .rc and tests).
#pragma once

#define IDD_FIELDS 100
#define IDC_ANGLE 1001
#define IDC_NAME 1002
#define IDC_RADIO_FIRST 1003
#define IDC_RADIO_SECOND 1004
#define IDC_CHECK 1005
#define IDC_MARGIN 1006
#define IDC_OWNERDRAW 1007
