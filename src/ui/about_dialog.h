// The About dialog: version, copyright, licence and where the project lives; all of it
// in the template, so the class only names the template.
#pragma once

#include "dialog.h"

class AboutDialog : public CDialog {
public:
    AboutDialog();
};
