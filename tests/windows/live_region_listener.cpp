// Hears what a screen reader would be told through live regions: hooks
// EVENT_OBJECT_LIVEREGIONCHANGED in every process, out of context as a reader does, reads the
// name of the object each event names (AccessibleObjectFromEvent, get_accName) and writes it to
// a file, a line an event, in UTF-8. Writes "listening" first, once the hook is in place.
//   live_region_listener.exe <file>
#include <cstdio>
#include <oleacc.h>
#include <string>
#include <windows.h>

namespace {

std::FILE* heard = nullptr;

// EVENT_OBJECT_LIVEREGIONCHANGED, which Debian's MinGW headers declare for Windows 8 only.
constexpr DWORD liveRegionChanged = 0x8019;

void writeLine(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, line.data(), size, nullptr, nullptr);
    line += '\n';
    std::fputs(line.c_str(), heard);
    std::fflush(heard);
}

void CALLBACK onEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT self;
    VariantInit(&self);
    if (FAILED(AccessibleObjectFromEvent(window, object, child, &accessible, &self)))
        return;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name) {
        writeLine(name, static_cast<int>(SysStringLen(name)));
        SysFreeString(name);
    } else {
        writeLine(L"(no name)", 9);
    }
    VariantClear(&self);
    accessible->Release();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: live_region_listener <file>\n", stderr);
        return 2;
    }
    heard = std::fopen(argv[1], "wb");
    if (!heard)
        return 1;
    CoInitialize(nullptr);
    if (!SetWinEventHook(liveRegionChanged, liveRegionChanged, nullptr, onEvent, 0, 0,
                         WINEVENT_OUTOFCONTEXT))
        return 1;
    writeLine(L"listening", 9);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
