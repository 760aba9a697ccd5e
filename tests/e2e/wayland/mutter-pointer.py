#!/usr/bin/python3
# A pointer for a headless mutter, which has no input devices, through its
# remote desktop D-Bus API. Reads "move X Y" and "click X Y" lines; relative
# motion only (absolute needs a screen cast), so each goes to the top-left
# corner first. Answers "ok ..." once the compositor took it.
import sys
import time

import dbus

NAME = "org.gnome.Mutter.RemoteDesktop"
BTN_LEFT = 0x110

bus = dbus.SessionBus()
desktop = dbus.Interface(bus.get_object(NAME, "/org/gnome/Mutter/RemoteDesktop"), NAME)
session = dbus.Interface(bus.get_object(NAME, desktop.CreateSession()), NAME + ".Session")
session.Start()
print("ready", flush=True)

for line in sys.stdin:
    words = line.split()
    if len(words) != 3 or words[0] not in ("move", "click"):
        print("unknown", line.strip(), flush=True)
        continue
    for _ in range(10):
        session.NotifyPointerMotionRelative(-1000.0, -1000.0)
    session.NotifyPointerMotionRelative(float(words[1]), float(words[2]))
    time.sleep(0.1)
    if words[0] == "click":
        session.NotifyPointerButton(BTN_LEFT, True)
        time.sleep(0.05)
        session.NotifyPointerButton(BTN_LEFT, False)
        time.sleep(0.1)
    print("ok", line.strip(), flush=True)
