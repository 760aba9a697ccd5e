#pragma once

#include "InMemoryPreferenceStore.h"
#include "OverlaySettings.h"

#include <QString>
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
        return store->writeCount(OverlaySettings::key(property));
    }
};
