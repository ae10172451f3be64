/* The numbers of the program's resources and commands, named once for the resource script and the
   code alike. */
#pragma once

#define IDS_APP_TITLE 103   /* string: the window's title */
#define IDC_KORDAVELMIX 109 /* string: the window class's name; also the menu and accelerators */

#define IDD_ABOUTBOX 103  /* the About box */
#define IDR_MAINFRAME 128 /* the icon the About box names; the program holds no icon of that id */

#define IDI_KORDAVELMIX 107 /* the window class's large icon */
#define IDI_SMALL 108       /* the window class's small icon */

#define IDM_ABOUT 104
#define IDM_EXIT 105
#define IDM_NEWGAME 110

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
