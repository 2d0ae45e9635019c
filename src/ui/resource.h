/* Every resource and control identifier of the program, shared by the C++ code and
   the resource scripts (so plain #defines only). Named resources ("IDB_0U", "IDI_LOSE",
   ...) are deliberately not defined here: the resource compiler must see them as names. */
#ifndef ZODEDU_RESOURCE_H
#define ZODEDU_RESOURCE_H

#include "framework_resource.h" /* the help command and failure text, RT_DIALOG_INIT */

/* Dialog templates */
#define IDD_MAIN 102
#define IDD_LOSE 150
#define IDD_WIN 151
#define IDD_ABOUT 152
#define IDD_DIFFICULTY 153
#define IDD_SETTINGS 156

/* Icons: the application icon; "IDI_LOSE" and "IDI_WIN" are named resources */
#define IDI_MAIN 2

/* Bitmaps; the colour-button faces "IDB_0U".."IDB_5D" are named resources */
#define IDB_PEG_FIRST 134         /* 134 + ColourIndex */
#define IDB_LARGE_DIGIT_FIRST 140 /* 140..149: digits 0..9 ('0' + 92) */
#define IDB_COLON 150
#define IDB_SMALL_DIGIT_FIRST 151 /* 151..160: counts 0..9 */
#define IDB_HEADER_EXACT 161
#define IDB_HEADER_COLOUR 162
/* Numbered pegs, 170 + ColourIndex, and the numbered faces "IDB_0NU".."IDB_5ND": the same
   pictures with the colour's number on the disc, shown only when the player asks for them */
#define IDB_NUMBERED_PEG_FIRST 170

/* Strings */
#include "settings_resource.h" /* the settings' profile section and registry path */
#define IDS_NUMBERED_PEGS 20002 /* the system menu item */

/* The main window's system menu item that switches the numbered pegs (a multiple of 16, below
   the system's own commands) */
#define IDM_NUMBERED_PEGS 0x0010

/* Main window (template 102) */
#define IDC_EXIT 1     /* the dialog's OK command */
#define IDC_NEW_GAME 2 /* the dialog's cancel command: Escape deals */
#define IDC_ABOUT 3
#define IDC_HELP_BUTTON 4 /* IDC_HELP is taken by <winuser.h> */
#define IDC_DIFFICULTY 5
#define IDC_SETTINGS 6
#define IDC_PEG_FIRST 1005 /* 1005 + 4*row + position, 1005..1052 */
#define IDC_CLOCK_FIRST 1053 /* 1053..1060, colons at 1055 and 1058 */
#define IDC_CLOCK_COLON_1 1055
#define IDC_CLOCK_COLON_2 1058
#define IDC_CLOCK_LAST 1060
#define IDC_REMAIN_FIRST 1061 /* 1061..1065, colon at 1063 */
#define IDC_REMAIN_COLON 1063
#define IDC_REMAIN_LAST 1065
#define IDC_HEADER_EXACT 1066
#define IDC_HEADER_COLOUR 1067
#define IDC_EXACT_FIRST 1068  /* 1068 + row */
#define IDC_COLOUR_COUNT_FIRST 1080 /* 1080 + row */
#define IDC_COLOUR_BUTTON_FIRST 1092 /* 1092 + ColourIndex */
#define IDC_GAMES_PLAYED 1098
#define IDC_GAMES_WON 1099
#define IDC_ROW_LABEL_FIRST 2000 /* 2000 + row */

/* Lose dialog (template 150): the code's pegs, 1005 + position */
#define IDC_CODE_PEG_FIRST 1005

/* Difficulty dialog (template 153) */
#define IDC_GUESSES 1100
#define IDC_DUPLICATES 1101
#define IDC_TIME_LIMIT 1102
#define IDC_EASIEST 1103

/* Settings dialog (template 156) */
#define IDC_SOUND_EFFECTS 1111

#endif
