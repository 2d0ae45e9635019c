// The template reader against the system's own reading: the dialog manager makes a dialog from
// the same bytes, and its controls must be the ones read, in the same order and places. Also
// templates the game does not use yet (ordinals, class names, creation data), and bytes that
// are not a whole classic template.
#include "dialog_template.h"

#include "resource.h"
#include "screen.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> ResourceBytes(int id) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (resource == nullptr) {
        return {};
    }
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    return {data, data + SizeofResource(module, resource)};
}

// Writes a classic template field by field, as the resource compiler lays them out.
class TemplateWriter {
public:
    void Word(WORD value) { Append(&value, sizeof value); }
    void DWord(DWORD value) { Append(&value, sizeof value); }
    void String(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
    void Ordinal(WORD value) {
        Word(0xFFFF);
        Word(value);
    }
    void Header(DWORD style, WORD count, short width, short height) {
        DWord(style);
        DWord(0);
        Word(count);
        for (const short value : {short{0}, short{0}, width, height}) {
            Word(static_cast<WORD>(value));
        }
    }
    // An item's fields up to its class.
    void Item(DWORD style, short x, short y, short width, short height, WORD id) {
        while (bytes.size() % 4 != 0) {
            bytes.push_back(0);
        }
        DWord(style);
        DWord(0);
        for (const short value : {x, y, width, height}) {
            Word(static_cast<WORD>(value));
        }
        Word(id);
    }
    void Bytes(const std::vector<BYTE>& data) { Append(data.data(), data.size()); }

    std::vector<BYTE> bytes;

private:
    void Append(const void* data, std::size_t size) {
        const auto* first = static_cast<const BYTE*>(data);
        bytes.insert(bytes.end(), first, first + size);
    }
};

std::string ClassOf(const TemplateName& name) {
    if (!name.ordinal) {
        return AnsiText(name.text);
    }
    static const char* const kSystemClasses[] = {"Button",  "Edit",      "Static",
                                                 "ListBox", "ScrollBar", "ComboBox"};
    const int index = *name.ordinal - 0x0080;
    return index >= 0 && index < 6 ? kSystemClasses[index] : "";
}

// Class names are not case-sensitive; the resource compiler writes some in capitals.
bool SameClass(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
           CSTR_EQUAL;
}

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The dialog the system makes from the bytes, hidden, has the controls the reader read.
void ExpectTheSystemReadsTheSame(std::vector<BYTE> bytes, const char* what) {
    SCOPED_TRACE(what);
    const std::optional<DialogTemplate> read = ParseDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value());
    DWORD style;
    std::memcpy(&style, bytes.data(), sizeof style);
    style &= ~DWORD{WS_VISIBLE};
    std::memcpy(bytes.data(), &style, sizeof style);
    const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                                   reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()),
                                                   nullptr, PlainDialog, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), AnsiText(read->title));
    RECT client{};
    GetClientRect(dialog, &client);
    RECT size{0, 0, read->width, read->height};
    MapDialogRect(dialog, &size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const TemplateItem& item : read->items) {
        ASSERT_NE(control, nullptr) << "no control for " << item.id;
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), item.id);
        const std::string className = ClassOf(item.className);
        EXPECT_TRUE(SameClass(ClassOf(control), className))
            << ClassOf(control) << " for " << className << " " << item.id;
        // An icon takes its picture's size and names the picture with its title; a combo box
        // is as tall as its field, its list dropping below.
        const bool icon = SameClass(className, "Static") && (item.style & SS_TYPEMASK) == SS_ICON;
        const bool comboBox = SameClass(className, "ComboBox");
        if (!icon && !item.title.ordinal) {
            EXPECT_EQ(TextOf(control), AnsiText(item.title.text)) << item.id;
        }
        RECT expected = item.Units();
        MapDialogRect(dialog, &expected);
        RECT actual{};
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left) << item.id;
        EXPECT_EQ(actual.top, expected.top) << item.id;
        if (!icon) {
            EXPECT_EQ(actual.right, expected.right) << item.id;
        }
        if (!icon && !comboBox) {
            EXPECT_EQ(actual.bottom, expected.bottom) << item.id;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "a control the reader missed";
    DestroyWindow(dialog);
}

// Header: no menu or class, a title and typeface that end between DWORD boundaries, so that the
// first item needs padding; an icon named by number; a button of a class named by string, with
// creation data just long enough that its size word, counted in or not, moves the last item to
// another DWORD boundary.
std::vector<BYTE> UnusualTemplate() {
    TemplateWriter writer;
    writer.Header(WS_POPUP | WS_CAPTION | DS_SETFONT, 3, 120, 60);
    writer.Word(0);
    writer.Word(0);
    writer.String(L"Odd");
    writer.Word(10);
    writer.String(L"System");
    writer.Item(WS_CHILD | WS_VISIBLE | SS_ICON, 4, 5, 18, 20, 0xFFFF);
    writer.Ordinal(0x0082);
    writer.Ordinal(IDI_MAIN);
    writer.Word(0);
    writer.Item(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 30, 6, 40, 14, 700);
    writer.String(L"Button");
    writer.String(L"Go");
    writer.Word(6);
    writer.Bytes({0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45});
    writer.Item(WS_CHILD | WS_VISIBLE | SS_LEFT, 31, 33, 51, 9, 701);
    writer.Ordinal(0x0082);
    writer.String(L"Last");
    writer.Word(0);
    return writer.bytes;
}

} // namespace

TEST(DialogTemplate, ReadsEveryTemplateOfTheGameAsTheSystemDoes) {
    const struct {
        int id;
        const char* name;
    } templates[] = {{IDD_MAIN, "main"},
                     {IDD_LOSE, "lose"},
                     {IDD_WIN, "win"},
                     {IDD_ABOUT, "about"},
                     {IDD_DIFFICULTY, "difficulty"},
                     {IDD_SETTINGS, "settings"}};
    for (const auto& dialog : templates) {
        ASSERT_TRUE(LoadDialogTemplate(GetModuleHandleA(nullptr), dialog.id).has_value())
            << dialog.name;
        ExpectTheSystemReadsTheSame(ResourceBytes(dialog.id), dialog.name);
    }
    EXPECT_FALSE(LoadDialogTemplate(GetModuleHandleA(nullptr), 9999).has_value());
}

// The other tests find the game's windows by the captions its templates hold: here, once, that
// those are the texts the player is shown.
TEST(GameTemplates, CarryTheCaptionsThePlayerSees) {
    const struct {
        int id;
        const char* caption;
    } templates[] = {{IDD_MAIN, "Zodedu"},           {IDD_LOSE, "Bang!!!"},
                     {IDD_WIN, "Phew!!!"},           {IDD_ABOUT, "About Zodedu"},
                     {IDD_DIFFICULTY, "Difficulty"}, {IDD_SETTINGS, "Settings"}};
    for (const auto& dialog : templates) {
        const auto read = LoadDialogTemplate(GetModuleHandleA(nullptr), dialog.id);
        ASSERT_TRUE(read.has_value()) << dialog.caption;
        EXPECT_EQ(AnsiText(read->title), dialog.caption);
    }
}

TEST(DialogTemplate, ReadsOrdinalsClassNamesAndCreationData) {
    const std::vector<BYTE> bytes = UnusualTemplate();
    const std::optional<DialogTemplate> read = ParseDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->title, L"Odd");
    ASSERT_EQ(read->items.size(), 3u);
    EXPECT_EQ(read->items[0].title.ordinal, WORD{IDI_MAIN});
    EXPECT_EQ(read->items[1].className.text, L"Button");
    EXPECT_EQ(read->items[1].creationData, (std::vector<BYTE>{0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45}));
    EXPECT_EQ(read->items[2].id, 701);
    EXPECT_EQ(read->items[2].title.text, L"Last");
    ExpectTheSystemReadsTheSame(bytes, "unusual");

    // A menu by number and a window class by name before the title.
    TemplateWriter writer;
    writer.Header(WS_POPUP, 1, 50, 40);
    writer.Ordinal(300);
    writer.String(L"OwnClass");
    writer.String(L"");
    writer.Item(WS_CHILD, 1, 2, 3, 4, 42);
    writer.Ordinal(0x0080);
    writer.Word(0);
    writer.Word(0);
    const std::optional<DialogTemplate> named =
        ParseDialogTemplate(writer.bytes.data(), writer.bytes.size());
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->menu.ordinal, WORD{300});
    EXPECT_EQ(named->className.text, L"OwnClass");
    EXPECT_EQ(named->pointSize, 0);
    ASSERT_EQ(named->items.size(), 1u);
    EXPECT_EQ(named->items[0].id, 42);
    EXPECT_EQ(named->items[0].Units(), (RECT{1, 2, 4, 6}));
    EXPECT_EQ(named->items[0].title.text, L"");
    EXPECT_FALSE(named->items[0].title.ordinal.has_value());
}

TEST(DialogTemplate, RefusesWhatIsNotAWholeClassicTemplate) {
    // Each cut of a template, in a buffer of exactly that size, so that no read goes past it.
    for (const std::vector<BYTE>& whole : {ResourceBytes(IDD_MAIN), UnusualTemplate()}) {
        ASSERT_FALSE(whole.empty());
        for (std::size_t size = 0; size < whole.size(); ++size) {
            const std::vector<BYTE> cut(whole.begin(), whole.begin() + size);
            EXPECT_FALSE(ParseDialogTemplate(cut.data(), cut.size()).has_value()) << size;
        }
    }
    // An extended template: version 1, signature 0xFFFF.
    TemplateWriter extended;
    extended.Word(1);
    extended.Word(0xFFFF);
    extended.bytes.resize(64, 0);
    EXPECT_FALSE(ParseDialogTemplate(extended.bytes.data(), extended.bytes.size()).has_value());
}
