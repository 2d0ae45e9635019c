/* The dialog framework tests' own template: lists to fill from initialisation data. Shared
   by the C++ code and the script. */
#ifndef ZODEDU_FRAMEWORK_TEST_IDS_H
#define ZODEDU_FRAMEWORK_TEST_IDS_H

#define IDD_TEST_INIT_DATA 802
#define IDC_TEST_COMBO 900
#define IDC_TEST_LIST 901

#endif
