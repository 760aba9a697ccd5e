#include "settings/OverlaySettings.h"
#include "settings/QSettingsPreferenceStore.h"
#include "settings/SettingsTable.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdlib>

// Any bytes as the settings file: loading them never crashes and gives every
// setting a value inside its range.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    // A new name each time: QSettings caches what it read per file name and
    // trusts it while size and time stamp look the same.
    static int count = 0;
    const QString file = dir.filePath(QStringLiteral("settings-%1.conf").arg(++count));
    if (!writeFile(file, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        std::abort();
    {
        const OverlaySettings settings(std::make_unique<QSettingsPreferenceStore>(file));
        if (settings.isEnabled())
            std::abort();
        for (int i = 0; i < settingCount; ++i) {
            const SettingDefinition& definition = SettingsTable::of(static_cast<Setting>(i));
            const double value = settings.value(definition.setting);
            if (!(value >= definition.lower && value <= definition.upper))
                std::abort();
        }
    }
    QFile::remove(file);
    QFile::remove(file + QStringLiteral(".damaged"));
    return 0;
}
