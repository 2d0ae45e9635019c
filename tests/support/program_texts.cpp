// Each caption is read once and kept, so that callers may hold it in tables.
#include "program_texts.h"

#include "dialog_template.h"

#include <windows.h>

#include <map>
#include <string>

const char* Caption(int templateId) {
    static std::map<int, std::string> captions;
    auto found = captions.find(templateId);
    if (found == captions.end()) {
        const auto dialog = LoadDialogTemplate(GetModuleHandleA(nullptr), templateId);
        found = captions.emplace(templateId, dialog ? AnsiText(dialog->title) : "").first;
    }
    return found->second.c_str();
}
