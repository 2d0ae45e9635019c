// The dialog templates built into a program, read back field by field as the resource compiler
// wrote them, so that tests and benchmarks take a window's layout from its template instead of
// keeping copies of the numbers.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A field that holds either a name or a number: a menu, a window class, a control's text.
struct TemplateName {
    std::optional<WORD> ordinal;
    std::wstring text; // empty for an ordinal, and where the field is left out
};

struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0; // dialog units
    // 0xFFFF where the script gives -1.
    WORD id = 0;
    // Ordinals 0x0080 to 0x0085 stand for Button, Edit, Static, ListBox, ScrollBar, ComboBox.
    TemplateName className;
    TemplateName title;
    std::vector<BYTE> creationData;

    RECT Units() const; // the control's rectangle, in dialog units
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, width = 0, height = 0;
    TemplateName menu;
    TemplateName className;
    std::wstring title;
    WORD pointSize = 0; // with DS_SETFONT only
    std::wstring typeface;
    std::vector<TemplateItem> items; // in template order: the order of creation and of tabbing

    const TemplateItem* Find(int id) const; // the first control of the identifier, or null
};

// A template's text in the program's code page.
std::string AnsiText(const std::wstring& text);

// The template held in an RT_DIALOG resource's bytes, or nothing unless they hold a whole
// classic (DIALOG) template. Extended (DIALOGEX) templates are refused, not guessed at.
std::optional<DialogTemplate> ParseDialogTemplate(const void* data, std::size_t size);

// The module's dialog resource of the identifier, read; nothing if it is missing or malformed.
std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, int id);
