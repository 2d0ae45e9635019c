// A program on the game's runtime alone. It writes down, in runtime_probe.log in its working
// folder, when its global objects are built and destroyed and what WinMain was handed; asked
// to, it fails as the standard library does when memory or a precondition runs out.
#include "win32_handles.h"

#include <windows.h>

#include <string>

namespace {

void Note(const std::string& line) {
    const KernelHandle log(CreateFileA("runtime_probe.log", GENERIC_WRITE, 0, nullptr,
                                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string text = line + "\n";
    DWORD written = 0;
    SetFilePointer(log.Get(), 0, nullptr, FILE_END);
    WriteFile(log.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

struct Witness {
    explicit Witness(std::string name) : name(std::move(name)) { Note("built " + this->name); }
    ~Witness() { Note("destroyed " + name); }
    std::string name;
};

Witness first("first");
Witness second("second");

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int show) {
    char line[512];
    wsprintfA(line, "WinMain %d [%s]", show, arguments);
    Note(line);
    const std::string asked = arguments;
    if (asked == "exhaust-memory") {
        volatile std::size_t tooMuch = ~std::size_t{0} / 2;
        char* volatile block = new char[tooMuch];
        Note(block != nullptr ? "allocated" : "null");
    } else if (asked == "overlong-string") {
        std::string text;
        text.reserve(text.max_size() + 1);
        Note("reserved");
    }
    return 42;
}
