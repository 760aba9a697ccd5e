#pragma once

#include <QString>

class QScreen;

// How the system names a screen: its connector, maker, model and serial
// number, as far as the platform tells them.
struct ScreenName {
    QString connector;
    QString maker;
    QString model;
    QString serial;

    static ScreenName of(const QScreen& screen);

    // Stays the same across restarts and replugging; two monitors of one
    // model still differ by connector.
    QString identity() const;
    // What the user sees: "DELL U2720Q (DP-1)", or the connector alone.
    QString label() const;
};
