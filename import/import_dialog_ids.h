// Identifiers of the file dialogs' option panels.
#pragma once

#define IDD_OPEN_IMAGES_PANEL 148
#define IDD_SAVE_PDF_PANEL 326

#define IDC_PANEL_NO_CHANGE 1020
#define IDC_PANEL_GRAYSCALE 1050
#define IDC_PANEL_BLACK_WHITE 1049
#define IDC_PANEL_AUTO_ENHANCE 1048
#define IDC_PANEL_TEXT 1028
#define IDC_PANEL_SETTINGS 1
