#pragma once

#include <QString>

// Judges the settings file's place without opening anything there. QSettings
// opens, reads and locks without a time limit: a FIFO or a device at the path
// would block start-up for good, and a lock it cannot take makes it spin.
class SettingsFileAccess {
public:
    // Files larger than this are not settings this program wrote.
    static constexpr qint64 maximumFileSize = 1024 * 1024;

    // A regular file of at most maximumFileSize bytes, or nothing yet, in a
    // folder (or where one can be made).
    static bool mayOpen(const QString& file);
    // A regular file above maximumFileSize.
    static bool isTooLarge(const QString& file);
    // The lock QSettings takes to write can be had at once: absent, or a
    // regular lock file that is free or stale.
    static bool lockIsFree(const QString& file);
    // Renames the file to FILE.damaged, replacing an older one there.
    static bool setAside(const QString& file);
};
