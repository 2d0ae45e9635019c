// The About dialog: the standard dialog over its template.
#include "about_dialog.h"

#include "resource.h"

AboutDialog::AboutDialog() : CDialog(IDD_ABOUT) {}
