// Resource identifiers of the About box.
#pragma once

#define IDD_ABOUT 325
#define IDC_ABOUT_VERSION 400
#define IDC_ABOUT_TAGLINE 401
#define IDC_ABOUT_LOGO 402
#define IDC_ABOUT_WEB_CAPTION 403
#define IDC_ABOUT_MAIL_CAPTION 404
#define IDC_ABOUT_WEB_LINK 405
#define IDC_ABOUT_MAIL_LINK 406
