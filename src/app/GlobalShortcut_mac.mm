#include "app/GlobalShortcut.h"

#include <Carbon/Carbon.h>
#include <utility>

// macOS: the system's hot-key service (RegisterEventHotKey), which needs no
// accessibility permission and works inside the sandbox. Qt names the Command
// key Ctrl and the Control key Meta, so "Ctrl+Alt+Shift+G" is Command-Option-
// Shift-G here, as Mac users expect.

namespace {
const OSType kSignature = 'RtGl';

UInt32 virtualKeyFor(int key) {
    static const std::pair<int, UInt32> kKeys[] = {
        {Qt::Key_A, kVK_ANSI_A},    {Qt::Key_B, kVK_ANSI_B},      {Qt::Key_C, kVK_ANSI_C},
        {Qt::Key_D, kVK_ANSI_D},    {Qt::Key_E, kVK_ANSI_E},      {Qt::Key_F, kVK_ANSI_F},
        {Qt::Key_G, kVK_ANSI_G},    {Qt::Key_H, kVK_ANSI_H},      {Qt::Key_I, kVK_ANSI_I},
        {Qt::Key_J, kVK_ANSI_J},    {Qt::Key_K, kVK_ANSI_K},      {Qt::Key_L, kVK_ANSI_L},
        {Qt::Key_M, kVK_ANSI_M},    {Qt::Key_N, kVK_ANSI_N},      {Qt::Key_O, kVK_ANSI_O},
        {Qt::Key_P, kVK_ANSI_P},    {Qt::Key_Q, kVK_ANSI_Q},      {Qt::Key_R, kVK_ANSI_R},
        {Qt::Key_S, kVK_ANSI_S},    {Qt::Key_T, kVK_ANSI_T},      {Qt::Key_U, kVK_ANSI_U},
        {Qt::Key_V, kVK_ANSI_V},    {Qt::Key_W, kVK_ANSI_W},      {Qt::Key_X, kVK_ANSI_X},
        {Qt::Key_Y, kVK_ANSI_Y},    {Qt::Key_Z, kVK_ANSI_Z},      {Qt::Key_0, kVK_ANSI_0},
        {Qt::Key_1, kVK_ANSI_1},    {Qt::Key_2, kVK_ANSI_2},      {Qt::Key_3, kVK_ANSI_3},
        {Qt::Key_4, kVK_ANSI_4},    {Qt::Key_5, kVK_ANSI_5},      {Qt::Key_6, kVK_ANSI_6},
        {Qt::Key_7, kVK_ANSI_7},    {Qt::Key_8, kVK_ANSI_8},      {Qt::Key_9, kVK_ANSI_9},
        {Qt::Key_F1, kVK_F1},       {Qt::Key_F2, kVK_F2},         {Qt::Key_F3, kVK_F3},
        {Qt::Key_F4, kVK_F4},       {Qt::Key_F5, kVK_F5},         {Qt::Key_F6, kVK_F6},
        {Qt::Key_F7, kVK_F7},       {Qt::Key_F8, kVK_F8},         {Qt::Key_F9, kVK_F9},
        {Qt::Key_F10, kVK_F10},     {Qt::Key_F11, kVK_F11},       {Qt::Key_F12, kVK_F12},
        {Qt::Key_Space, kVK_Space}, {Qt::Key_Escape, kVK_Escape},
    };
    for (const auto& [qtKey, virtualKey] : kKeys)
        if (qtKey == key)
            return virtualKey;
    return UINT32_MAX;
}

UInt32 carbonModifiersFor(Qt::KeyboardModifiers modifiers) {
    UInt32 mask = 0;
    if (modifiers & Qt::ControlModifier)
        mask |= cmdKey;
    if (modifiers & Qt::AltModifier)
        mask |= optionKey;
    if (modifiers & Qt::ShiftModifier)
        mask |= shiftKey;
    if (modifiers & Qt::MetaModifier)
        mask |= controlKey;
    return mask;
}

class MacHotKey : public GlobalShortcut {
public:
    MacHotKey() {
        const EventTypeSpec pressed{kEventClassKeyboard, kEventHotKeyPressed};
        InstallApplicationEventHandler(&MacHotKey::onHotKey, 1, &pressed, this, &m_handler);
    }
    ~MacHotKey() override {
        release();
        if (m_handler)
            RemoveEventHandler(m_handler);
    }

    Hold hold(const QKeySequence& sequence) override {
        release();
        if (sequence.isEmpty())
            return Hold::held;
        const QKeyCombination combination = sequence[0];
        const UInt32 key = virtualKeyFor(combination.key());
        if (key == UINT32_MAX)
            return Hold::unusable;
        const EventHotKeyID id{kSignature, 1};
        const OSStatus status =
            RegisterEventHotKey(key, carbonModifiersFor(combination.keyboardModifiers()), id,
                                GetApplicationEventTarget(), 0, &m_hotKey);
        if (status == noErr)
            return Hold::held;
        m_hotKey = nullptr;
        return status == eventHotKeyExistsErr ? Hold::taken : Hold::unusable;
    }

private:
    void release() {
        if (m_hotKey)
            UnregisterEventHotKey(m_hotKey);
        m_hotKey = nullptr;
    }

    static OSStatus onHotKey(EventHandlerCallRef, EventRef event, void* self) {
        EventHotKeyID id{};
        GetEventParameter(event, kEventParamDirectObject, typeEventHotKeyID, nullptr, sizeof id,
                          nullptr, &id);
        if (id.signature != kSignature)
            return eventNotHandledErr;
        emit static_cast<MacHotKey*>(self)->activated();
        return noErr;
    }

    EventHandlerRef m_handler = nullptr;
    EventHotKeyRef m_hotKey = nullptr;
};
} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::create() {
    return std::make_unique<MacHotKey>();
}
