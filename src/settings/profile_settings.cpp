// The profile back end of the settings store: the application object knows the profile
// file's name, derived from the executable's at start-up.
#include "profile_settings.h"

#include "win_app.h"

void ProfileWriteString(const char* section, const char* key, const char* text) {
    if (const CWinApp* app = CWinApp::Current()) {
        app->WriteProfileString(section, key, text);
    }
}

std::string ProfileReadString(const char* section, const char* key) {
    const CWinApp* app = CWinApp::Current();
    return app != nullptr ? app->GetProfileString(section, key, "") : std::string();
}
