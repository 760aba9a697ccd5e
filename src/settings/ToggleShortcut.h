#pragma once

#include "settings/PreferenceStore.h"

#include <QObject>
#include <QString>

// The key combination that switches the overlay on and off from anywhere, in
// Qt's portable text ("Ctrl+Alt+Shift+G"); empty when switched off. Its key is
// a name no overlay setting uses, kept under "overlay." because the store
// treats those keys as the program's own (a damaged file's are rescued).
// "Reset" leaves it alone: it is not an effect setting.
class ToggleShortcut : public QObject {
    Q_OBJECT

public:
    static constexpr const char* key = "overlay.toggleShortcut";
    static constexpr const char* defaultText = "Ctrl+Alt+Shift+G";

    explicit ToggleShortcut(PreferenceStore& store, QObject* parent = nullptr);

    QString text() const { return m_text; }
    // Stored at once; empty switches the shortcut off.
    void setText(const QString& text);

signals:
    void changed();

private:
    PreferenceStore& m_store;
    QString m_text;
};
