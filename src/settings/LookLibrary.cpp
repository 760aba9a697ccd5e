#include "settings/LookLibrary.h"

#include "settings/OverlaySettings.h"
#include "settings/SettingsTable.h"

#include <QSet>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace {

const QString kGroup = QLatin1String(LookLibrary::group);

// A built-in look: the defaults with these settings changed. Its name stays
// English, so scripts (--look) work in every language; menus show it translated.
Look builtIn(const char* name, FlickerMode mode,
             std::initializer_list<std::pair<Setting, double>> changes) {
    Look look{QString::fromLatin1(name), {}};
    look.values.flickerMode = mode;
    for (const auto& [setting, value] : changes)
        look.values[setting] = value;
    return look;
}

QList<Look> makeBuiltIns() {
    using enum Setting;
    return {
        builtIn(QT_TRANSLATE_NOOP("LookLibrary", "Grid"), FlickerMode::soft, {}),
        // Fine lines, a green wash and a glow along them, a faint roll.
        builtIn(QT_TRANSLATE_NOOP("LookLibrary", "Green phosphor"), FlickerMode::soft,
                {{gridSize, 3},
                 {gridOpacity, 0.12},
                 {scanlineOpacity, 0.4},
                 {tintHue, 0.33},
                 {tintOpacity, 0.35},
                 {phosphorGlow, 0.6},
                 {flickerIntensity, 0.05},
                 {rollingBand, 0.15},
                 {rollingBandSpeed, 0.3}}),
        builtIn(QT_TRANSLATE_NOOP("LookLibrary", "Amber terminal"), FlickerMode::soft,
                {{gridSize, 3},
                 {gridOpacity, 0.12},
                 {scanlineOpacity, 0.35},
                 {tintHue, 0.1},
                 {tintOpacity, 0.35},
                 {phosphorGlow, 0.55},
                 {flickerIntensity, 0.04},
                 {rollingBand, 0.1},
                 {rollingBandSpeed, 0.3}}),
        // Big pixels with dark lines between them, colours left alone.
        builtIn(QT_TRANSLATE_NOOP("LookLibrary", "Arcade"), FlickerMode::pulse,
                {{gridSize, 6},
                 {gridOpacity, 0.25},
                 {scanlineOpacity, 0.5},
                 {tintHue, 0.6},
                 {phosphorGlow, 0.15},
                 {flickerIntensity, 0.08}}),
        // A tired video tape: swaying bands, a rolling bar, dust and jitter.
        builtIn(QT_TRANSLATE_NOOP("LookLibrary", "Worn tape"), FlickerMode::jitter,
                {{gridOpacity, 0.05},
                 {scanlineOpacity, 0.2},
                 {tintHue, 0.92},
                 {tintOpacity, 0.1},
                 {flickerIntensity, 0.3},
                 {horizontalDrift, 0.6},
                 {horizontalDriftSpeed, 0.6},
                 {rollingBand, 0.5},
                 {rollingBandSpeed, 0.4},
                 {dustNoise, 0.45}}),
        builtIn(QT_TRANSLATE_NOOP("LookLibrary", "Scanlines only"), FlickerMode::soft,
                {{gridOpacity, 0}, {scanlineOpacity, 0.5}}),
    };
}

// A look's name as one level of a key: the separators a key may not hold
// inside a level are escaped.
QString encodeName(const QString& name) {
    QString encoded = name;
    encoded.replace(u'%', QLatin1String("%25"));
    encoded.replace(u'/', QLatin1String("%2F"));
    encoded.replace(u'\\', QLatin1String("%5C"));
    return encoded;
}

QString decodeName(QString encoded) {
    encoded.replace(QLatin1String("%2F"), QLatin1String("/"));
    encoded.replace(QLatin1String("%5C"), QLatin1String("\\"));
    encoded.replace(QLatin1String("%25"), QLatin1String("%"));
    return encoded;
}

QString lookKey(const QString& name, const char* setting) {
    return kGroup + encodeName(name) + u'/' + QLatin1String(setting);
}

void sortByName(QList<Look>& looks) {
    std::sort(looks.begin(), looks.end(),
              [](const Look& a, const Look& b) { return a.name.localeAwareCompare(b.name) < 0; });
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A built-in look answers to its English name and to the one menus show.
bool isCalled(const Look& builtIn, const QString& name) {
    return sameName(builtIn.name, name) || sameName(LookLibrary::shownName(builtIn.name), name);
}
} // namespace

LookLibrary::LookLibrary(OverlaySettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings) {
    load();
}

const QList<Look>& LookLibrary::builtIns() {
    static const QList<Look> looks = makeBuiltIns();
    return looks;
}

QString LookLibrary::shownName(const QString& name) {
    for (const Look& look : builtIns())
        if (look.name == name)
            return tr(look.name.toLatin1().constData());
    return name;
}

bool LookLibrary::isBuiltIn(const QString& name) const {
    return std::any_of(builtIns().cbegin(), builtIns().cend(),
                       [&name](const Look& look) { return isCalled(look, name); });
}

int LookLibrary::savedIndex(const QString& name) const {
    for (int i = 0; i < m_saved.size(); ++i)
        if (sameName(m_saved[i].name, name))
            return i;
    return -1;
}

std::optional<Look> LookLibrary::find(const QString& name) const {
    for (const Look& look : builtIns())
        if (isCalled(look, name))
            return look;
    if (const int i = savedIndex(name); i >= 0)
        return m_saved[i];
    return std::nullopt;
}

QString LookLibrary::currentName() const {
    if (const std::optional<Look> chosen = find(m_lastChosen);
        chosen && chosen->matches(m_settings))
        return chosen->name;
    for (const QList<Look>* looks : {&builtIns(), &m_saved})
        for (const Look& look : *looks)
            if (look.matches(m_settings))
                return look.name;
    return {};
}

bool LookLibrary::apply(const QString& name) {
    const std::optional<Look> look = find(name);
    if (!look)
        return false;
    m_lastChosen = look->name;
    look->applyTo(m_settings);
    return true;
}

bool LookLibrary::saveCurrent(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || isBuiltIn(trimmed))
        return false;
    if (const int i = savedIndex(trimmed); i >= 0) {
        erase(m_saved[i].name);
        m_saved.removeAt(i);
    }
    m_saved.append(Look{trimmed, m_settings.values()});
    m_lastChosen = trimmed;
    store(m_saved.last());
    sortByName(m_saved);
    emit changed();
    return true;
}

bool LookLibrary::rename(const QString& from, const QString& to) {
    const int i = savedIndex(from);
    const QString trimmed = to.trimmed();
    const int taken = savedIndex(trimmed);
    if (i < 0 || trimmed.isEmpty() || isBuiltIn(trimmed) || (taken >= 0 && taken != i))
        return false;
    Look look = m_saved.takeAt(i);
    erase(look.name);
    if (sameName(m_lastChosen, look.name))
        m_lastChosen = trimmed;
    look.name = trimmed;
    m_saved.append(look);
    store(look);
    sortByName(m_saved);
    emit changed();
    return true;
}

bool LookLibrary::remove(const QString& name) {
    const int i = savedIndex(name);
    if (i < 0)
        return false;
    erase(m_saved.takeAt(i).name);
    emit changed();
    return true;
}

void LookLibrary::store(const Look& look) {
    PreferenceStore& store = m_settings.store();
    for (const SettingDefinition& definition : SettingsTable::all())
        store.setDouble(lookKey(look.name, definition.name), look.values[definition.setting]);
    const std::string_view raw = look.values.flickerMode.rawValue();
    store.setString(lookKey(look.name, SettingsTable::flickerModeName),
                    QString::fromLatin1(raw.data(), qsizetype(raw.size())));
}

void LookLibrary::erase(const QString& name) {
    PreferenceStore& store = m_settings.store();
    for (const QString& key : store.storedKeys(kGroup + encodeName(name) + u'/'))
        store.remove(key);
}

void LookLibrary::load() {
    const PreferenceStore& store = m_settings.store();
    QSet<QString> names;
    for (const QString& key : store.storedKeys(kGroup)) {
        const QString rest = key.mid(kGroup.size());
        const qsizetype slash = rest.indexOf(u'/');
        if (slash > 0)
            names.insert(decodeName(rest.left(slash)));
    }
    for (const QString& name : names) {
        // Names the program could not have saved are left in the file alone.
        if (name.trimmed() != name || name.isEmpty() || isBuiltIn(name) || savedIndex(name) >= 0)
            continue;
        Look look{name, {}};
        for (const SettingDefinition& definition : SettingsTable::all()) {
            const QString key = lookKey(name, definition.name);
            if (store.value(key).isValid())
                look.values[definition.setting] = definition.clamped(store.doubleForKey(key));
        }
        const QString raw =
            store.stringForKey(lookKey(name, SettingsTable::flickerModeName)).value_or(QString());
        look.values.flickerMode =
            FlickerMode::fromRawValue(raw.toStdString()).value_or(FlickerMode::soft);
        m_saved.append(look);
    }
    sortByName(m_saved);
}
