/* The test dialog of the picture and button tests: one anchor for every picture, the six colour
   buttons, and a few controls of the tests' own. Shared by the C++ code and the script. */
#ifndef ZODEDU_TEST_DIALOG_IDS_H
#define ZODEDU_TEST_DIALOG_IDS_H

#define IDD_ARTWORK_TEST 900

#define IDC_T_PEG_FIRST 910   /* 910..915: pegs 0..5 */
#define IDC_T_LARGE_FIRST 920 /* 920..929: clock digits 0..9 */
#define IDC_T_COLON 930
#define IDC_T_SMALL_FIRST 940 /* 940..949: counts 0..9 */
#define IDC_T_HEADER_EXACT 950
#define IDC_T_HEADER_COLOUR 951
#define IDC_T_BUTTON_FIRST 960 /* 960..965: captions "IDB_0".."IDB_5" */
#define IDC_T_ALL_FACES 966    /* caption "TST_A": all four faces exist */
#define IDC_T_NO_FACES 967     /* caption "NOPE": no faces at all */
#define IDC_T_ANCHOR 970       /* a board anchor with room around it */
#define IDC_T_HIDDEN_ANCHOR 971

#endif
