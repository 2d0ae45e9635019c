// The program's own captions, read from the dialog templates linked into the test program, so
// that the tests find the game's windows by what the game shows instead of typing it again.
#pragma once

// The caption of the dialog template; it lives as long as the program. Empty when the
// template is missing.
const char* Caption(int templateId);
