/* The dialog tests' own templates: stand-ins for the main window, owners of the dialogs
   under test, and lists to fill from initialisation data. Shared by the C++ code and the
   script. */
#ifndef ZODEDU_DIALOGS_TEST_IDS_H
#define ZODEDU_DIALOGS_TEST_IDS_H

#define IDD_TEST_HOST 800
#define IDD_TEST_INNER_HOST 801
#define IDD_TEST_INIT_DATA 802 /* lists filled from dialog initialisation data */
#define IDC_TEST_COMBO 900
#define IDC_TEST_LIST 901

#endif
