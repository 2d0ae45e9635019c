// The program's entry point belongs to the framework: it runs the application object.
#include "win_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = CWinApp::Current();
    return app != nullptr ? app->Run() : 1;
}
