#include "dialog_template.h"

#include <cstring>

namespace {

// Reads a template front to back; a read past its end fails the whole template.
class TemplateReader {
public:
    TemplateReader(const void* data, std::size_t size)
        : bytes(static_cast<const BYTE*>(data)), size(size) {}

    bool Failed() const { return failed; }

    WORD Word() {
        WORD value = 0;
        Read(&value, sizeof value);
        return value;
    }

    DWORD DWord() {
        DWORD value = 0;
        Read(&value, sizeof value);
        return value;
    }

    short Short() { return static_cast<short>(Word()); }

    // Counted from the template's first byte, which the resource section puts on a DWORD
    // boundary: the boundaries the system aligns the controls to.
    void AlignToDWord() { at = (at + 3) & ~std::size_t{3}; }

    std::wstring String() {
        std::wstring text;
        for (WORD c = Word(); c != 0; c = Word()) {
            text.push_back(static_cast<wchar_t>(c));
        }
        return text;
    }

    // No name (a zero word), a number (0xFFFF and the number) or a string.
    TemplateName NameOrOrdinal() {
        TemplateName name;
        const WORD first = Word();
        if (first == 0xFFFF) {
            name.ordinal = Word();
        } else if (first != 0) {
            name.text = static_cast<wchar_t>(first) + String();
        }
        return name;
    }

    std::vector<BYTE> Bytes(std::size_t count) {
        if (count == 0) {
            return {};
        }
        std::vector<BYTE> read(count);
        Read(read.data(), count);
        return failed ? std::vector<BYTE>{} : read;
    }

private:
    void Read(void* out, std::size_t count) {
        if (failed || at > size || count > size - at) {
            failed = true; // and the zeros the callers return end every string and loop
            return;
        }
        std::memcpy(out, bytes + at, count);
        at += count;
    }

    const BYTE* bytes;
    std::size_t size;
    std::size_t at = 0;
    bool failed = false;
};

// A rectangle in dialog units, as both a template and its items hold it.
void ReadPlace(TemplateReader& reader, short& x, short& y, short& width, short& height) {
    x = reader.Short();
    y = reader.Short();
    width = reader.Short();
    height = reader.Short();
}

TemplateItem ReadItem(TemplateReader& reader) {
    TemplateItem item;
    reader.AlignToDWord();
    item.style = reader.DWord();
    item.exStyle = reader.DWord();
    ReadPlace(reader, item.x, item.y, item.width, item.height);
    item.id = reader.Word();
    item.className = reader.NameOrOrdinal();
    item.title = reader.NameOrOrdinal();
    // The size word counts the bytes that follow it. Wine steps over an odd count a byte short;
    // the resource compiler writes no creation data in classic templates.
    item.creationData = reader.Bytes(reader.Word());
    return item;
}

} // namespace

std::string AnsiText(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

RECT TemplateItem::Units() const {
    return {x, y, x + width, y + height};
}

const TemplateItem* DialogTemplate::Find(int id) const {
    for (const TemplateItem& item : items) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

std::optional<DialogTemplate> ParseDialogTemplate(const void* data, std::size_t size) {
    TemplateReader reader(data, size);
    DialogTemplate dialog;
    dialog.style = reader.DWord();
    // An extended template starts with its version, 1, and the signature 0xFFFF.
    if (LOWORD(dialog.style) == 1 && HIWORD(dialog.style) == 0xFFFF) {
        return std::nullopt;
    }
    dialog.exStyle = reader.DWord();
    const WORD count = reader.Word();
    ReadPlace(reader, dialog.x, dialog.y, dialog.width, dialog.height);
    dialog.menu = reader.NameOrOrdinal();
    dialog.className = reader.NameOrOrdinal();
    dialog.title = reader.String();
    if ((dialog.style & DS_SETFONT) != 0) {
        dialog.pointSize = reader.Word();
        dialog.typeface = reader.String();
    }
    for (WORD i = 0; i < count && !reader.Failed(); ++i) {
        dialog.items.push_back(ReadItem(reader));
    }
    if (reader.Failed()) {
        return std::nullopt;
    }
    return dialog;
}

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, int id) {
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (resource == nullptr) {
        return std::nullopt;
    }
    const HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return std::nullopt;
    }
    return ParseDialogTemplate(data, SizeofResource(module, resource));
}
