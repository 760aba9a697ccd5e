#include "app/X11KeyGrab.h"

#include "app/XcbReply.h"

#include <QCoreApplication>

namespace {
constexpr uint32_t kNumLockKeysym = 0xff7f;

// The X keysym of a Qt key: Latin-1 keys are their own keysym (letters in
// lower case, as the keyboard map lists them first), the rest by table.
uint32_t keysymFor(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return uint32_t(key - Qt::Key_A + 'a');
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return uint32_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + uint32_t(key - Qt::Key_F1);
    static const std::pair<int, uint32_t> kOthers[] = {
        {Qt::Key_Escape, 0xff1b},   {Qt::Key_Tab, 0xff09},        {Qt::Key_Backspace, 0xff08},
        {Qt::Key_Return, 0xff0d},   {Qt::Key_Insert, 0xff63},     {Qt::Key_Delete, 0xffff},
        {Qt::Key_Pause, 0xff13},    {Qt::Key_Print, 0xff61},      {Qt::Key_Home, 0xff50},
        {Qt::Key_End, 0xff57},      {Qt::Key_Left, 0xff51},       {Qt::Key_Up, 0xff52},
        {Qt::Key_Right, 0xff53},    {Qt::Key_Down, 0xff54},       {Qt::Key_PageUp, 0xff55},
        {Qt::Key_PageDown, 0xff56}, {Qt::Key_ScrollLock, 0xff14},
    };
    for (const auto& [qtKey, keysym] : kOthers)
        if (qtKey == key)
            return keysym;
    return 0;
}

uint16_t modifiersFor(Qt::KeyboardModifiers modifiers) {
    uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}
} // namespace

X11KeyGrab::X11KeyGrab(xcb_connection_t* connection)
    : m_connection(connection) {
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
         xcb_screen_next(&it))
        m_roots.push_back(it.data->root);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11KeyGrab::~X11KeyGrab() {
    release();
    xcb_flush(m_connection);
}

GlobalShortcut::Hold X11KeyGrab::hold(const QKeySequence& sequence) {
    release();
    if (sequence.isEmpty())
        return Hold::held;
    const QKeyCombination combination = sequence[0];
    const xcb_keycode_t keycode = keycodeFor(keysymFor(combination.key()));
    if (keycode == 0)
        return Hold::unusable;
    m_keycode = keycode;
    m_modifiers = modifiersFor(combination.keyboardModifiers());
    m_numLock = 0;
    // Num Lock sits on whichever modifier the keyboard map puts it.
    if (const xcb_keycode_t numLock = keycodeFor(kNumLockKeysym)) {
        XcbReply<xcb_get_modifier_mapping_reply_t> map(xcb_get_modifier_mapping_reply(
            m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
        const int perModifier = map ? map->keycodes_per_modifier : 0;
        const xcb_keycode_t* codes = map ? xcb_get_modifier_mapping_keycodes(map.get()) : nullptr;
        for (int i = 0; i < 8 * perModifier; ++i)
            if (codes[i] == numLock)
                m_numLock = uint16_t(1u << (i / perModifier));
    }
    std::vector<xcb_void_cookie_t> grabs;
    for (xcb_window_t root : m_roots)
        for (uint16_t lock : lockVariants())
            grabs.push_back(xcb_grab_key_checked(m_connection, 1, root, m_modifiers | lock,
                                                 m_keycode, XCB_GRAB_MODE_ASYNC,
                                                 XCB_GRAB_MODE_ASYNC));
    bool taken = false;
    for (xcb_void_cookie_t grab : grabs)
        if (XcbReply<xcb_generic_error_t> error{xcb_request_check(m_connection, grab)})
            taken = true;
    if (!taken)
        return Hold::held;
    release();
    return Hold::taken;
}

void X11KeyGrab::release() {
    if (m_keycode == 0)
        return;
    for (xcb_window_t root : m_roots)
        for (uint16_t lock : lockVariants())
            xcb_ungrab_key(m_connection, m_keycode, root, m_modifiers | lock);
    m_keycode = 0;
    m_down = false;
}

std::vector<uint16_t> X11KeyGrab::lockVariants() const {
    if (m_numLock == 0)
        return {0, XCB_MOD_MASK_LOCK};
    return {0, XCB_MOD_MASK_LOCK, m_numLock, uint16_t(XCB_MOD_MASK_LOCK | m_numLock)};
}

xcb_keycode_t X11KeyGrab::keycodeFor(uint32_t keysym) const {
    if (keysym == 0)
        return 0;
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    XcbReply<xcb_get_keyboard_mapping_reply_t> map(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, uint8_t(count)),
        nullptr));
    if (!map)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int perKeycode = map->keysyms_per_keycode;
    for (int code = 0; code < count; ++code)
        for (int column = 0; column < perKeycode; ++column)
            if (keysyms[code * perKeycode + column] == keysym)
                return xcb_keycode_t(setup->min_keycode + code);
    return 0;
}

bool X11KeyGrab::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (m_keycode == 0 || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<xcb_generic_event_t*>(message);
    const uint8_t type = event->response_type & 0x7f;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->detail != m_keycode)
        return false;
    // The modifiers may be let go first: any release of the key ends a press.
    if (type == XCB_KEY_RELEASE) {
        m_down = false;
        m_lastRelease = key->time;
        return false;
    }
    const uint16_t modifiers = key->state & 0xff & ~(XCB_MOD_MASK_LOCK | m_numLock);
    if (modifiers != m_modifiers)
        return false;
    // Without detectable auto-repeat a held key gives release and press
    // pairs at one moment.
    const bool repeat = m_down || key->time == m_lastRelease;
    m_down = true;
    if (!repeat)
        emit activated();
    return true;
}
