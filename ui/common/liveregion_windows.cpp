#include "liveregion.h"

#include <oleacc.h>
#include <string>
#include <windows.h>

namespace vekkiro {

namespace {

// LiveSetting_Property_GUID of UI Automation, which Debian's MinGW headers do not declare.
constexpr GUID liveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
// LiveSetting's values: Off, Polite, Assertive. An answer to a search is worth interrupting for.
constexpr LONG assertive = 2;
// EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 and later.
constexpr DWORD liveRegionChanged = 0x8019;

} // namespace

struct LiveRegion::Native {
    HWND region = nullptr;
    IAccPropServices* properties = nullptr;

    ~Native() {
        if (properties) {
            if (IsWindow(region)) {
                MSAAPROPID setting = liveSettingProperty;
                properties->ClearHwndProps(region, OBJID_CLIENT, CHILDID_SELF, &setting, 1);
            }
            properties->Release();
        }
    }
};

LiveRegion::LiveRegion(QWidget* widget)
    : m_widget(widget)
    , m_native(std::make_unique<Native>()) {}

LiveRegion::~LiveRegion() = default;

void LiveRegion::say(const QString& text) {
    if (!m_widget)
        return;
    // A child of the top-level window, not of Qt's own: a reader drops events from a window that
    // has a UI Automation provider of its own, as Qt's windows have. Zero-sized, so it draws
    // nothing, and visible, so readers take it for something to read. Made again if the window
    // was: its children go with it.
    if (!IsWindow(m_native->region)) {
        const auto window = reinterpret_cast<HWND>(m_widget->window()->winId());
        m_native->region =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, window,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!m_native->region)
            return;
        // Narrator reads a live region's changes by this property; NVDA and readers that use only
        // MSAA take the event alone. Some systems (Wine) have no annotations: the event goes out
        // all the same.
        if (!m_native->properties)
            CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                             IID_IAccPropServices, reinterpret_cast<void**>(&m_native->properties));
        if (m_native->properties) {
            VARIANT setting;
            VariantInit(&setting);
            setting.vt = VT_I4;
            setting.lVal = assertive;
            m_native->properties->SetHwndProp(m_native->region, OBJID_CLIENT, CHILDID_SELF,
                                              liveSettingProperty, setting);
        }
    }
    // Windows' wide characters are UTF-16 units, as QString's are.
    const std::wstring units = text.toStdWString();
    SetWindowTextW(m_native->region, units.c_str());
    NotifyWinEvent(liveRegionChanged, m_native->region, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace vekkiro
