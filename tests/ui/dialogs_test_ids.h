/* The dialog tests' own templates: stand-ins for the main window, owners of the dialogs
   under test. Shared by the C++ code and the script. */
#ifndef ZODEDU_DIALOGS_TEST_IDS_H
#define ZODEDU_DIALOGS_TEST_IDS_H

#define IDD_TEST_HOST 800
#define IDD_TEST_INNER_HOST 801

#endif
