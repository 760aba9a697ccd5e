#pragma once

// What most of the panel tests use, in one place.
#include "settings/InMemoryPreferenceStore.h"
#include "settings/OverlaySettings.h"
#include "settings/SettingsTable.h"
#include "ui/SettingSlider.h"
#include "ui/SettingsList.h"
#include "ui/SettingsWindowContent.h"
#include "ui/SteppedSlider.h"
#include "ui/SwitchToggle.h"
#include "ui/SymbolButton.h"
#include "ui/TrayPanelContent.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Settings over an in-memory store, with a handle on the store to count writes.
struct TestSettings {
    InMemoryPreferenceStore* store;
    std::unique_ptr<OverlaySettings> settings;

    TestSettings() {
        auto owned = std::make_unique<InMemoryPreferenceStore>();
        store = owned.get();
        settings = std::make_unique<OverlaySettings>(std::move(owned));
    }

    int writes(const char* property) const {
        return store->writeCount(SettingsTable::key(property));
    }
};

// A dark desktop palette, derived from two base colours the way one is.
inline QPalette darkPalette() {
    QPalette palette(QColor(60, 60, 64), QColor(45, 45, 48));
    palette.setColor(QPalette::Base, QColor(30, 30, 32));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::PlaceholderText, QColor(235, 235, 235, 128));
    return palette;
}
