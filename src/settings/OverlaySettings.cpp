#include "settings/OverlaySettings.h"

#include "settings/QSettingsPreferenceStore.h"

#include <cmath>

namespace {
using Number = OverlaySettings::Number;

constexpr std::array<OverlaySettings::NumberDefinition, OverlaySettings::numberCount> kNumbers{{
    {"gridSize", 4.0, 2.0, 48.0},
    {"gridOpacity", 0.3, 0.0, 1.0},
    {"scanlineOpacity", 0.0, 0.0, 1.0},
    {"tintHue", 0.33, 0.0, 1.0},
    {"tintOpacity", 0.0, 0.0, 1.0},
    {"flickerIntensity", 0.0, 0.0, 1.0},
    {"phosphorGlow", 0.0, 0.0, 1.0},
    {"horizontalDrift", 0.0, 0.0, 1.0},
    {"horizontalDriftSpeed", 0.5, 0.0, 1.0},
    {"rollingBand", 0.0, 0.0, 1.0},
    {"rollingBandSpeed", 0.5, 0.0, 1.0},
    {"dustNoise", 0.0, 0.0, 1.0},
}};

constexpr std::array<void (OverlaySettings::*)(), OverlaySettings::numberCount> kNotifiers{{
    &OverlaySettings::gridSizeChanged,
    &OverlaySettings::gridOpacityChanged,
    &OverlaySettings::scanlineOpacityChanged,
    &OverlaySettings::tintHueChanged,
    &OverlaySettings::tintOpacityChanged,
    &OverlaySettings::flickerIntensityChanged,
    &OverlaySettings::phosphorGlowChanged,
    &OverlaySettings::horizontalDriftChanged,
    &OverlaySettings::horizontalDriftSpeedChanged,
    &OverlaySettings::rollingBandChanged,
    &OverlaySettings::rollingBandSpeedChanged,
    &OverlaySettings::dustNoiseChanged,
}};

const char* const kIsEnabled = "isEnabled";
const char* const kFlickerMode = "flickerMode";

// Load-time clamp: at or below the lower bound gives the lower bound, then above
// the upper bound gives the upper bound. A NaN would slip through both
// comparisons and poison every frame, so it takes the default instead.
double clampToRange(double value, const OverlaySettings::NumberDefinition& definition) {
    if (std::isnan(value))
        return definition.defaultValue;
    if (value <= definition.lower)
        value = definition.lower;
    if (value > definition.upper)
        value = definition.upper;
    return value;
}
} // namespace

const OverlaySettings::NumberDefinition& OverlaySettings::definition(Number number) {
    return kNumbers[static_cast<int>(number)];
}

double OverlaySettings::clampLoaded(Number number, double value) {
    return clampToRange(value, definition(number));
}

QString OverlaySettings::key(const char* propertyName) {
    return QStringLiteral("overlay.") + QLatin1String(propertyName);
}

OverlaySettings::OverlaySettings(std::unique_ptr<PreferenceStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store)) {
    QVariantMap defaults;
    defaults.insert(key(kIsEnabled), false);
    for (const NumberDefinition& number : kNumbers)
        defaults.insert(key(number.name), number.defaultValue);
    defaults.insert(key(kFlickerMode),
                    QString::fromLatin1(FlickerMode::soft.rawValue().data(),
                                        qsizetype(FlickerMode::soft.rawValue().size())));
    m_store->registerDefaults(defaults);

    // The overlay starts switched off at every launch, whatever was stored.
    m_isEnabled = false;
    m_store->setBool(false, key(kIsEnabled));
    load();
}

OverlaySettings::~OverlaySettings() {
    m_store->sync();
}

void OverlaySettings::load() {
    // Declaration order: the numbers up to flickerIntensity, the mode, then the rest.
    const auto loadNumber = [this](int i) {
        m_numbers[i] = clampToRange(m_store->doubleForKey(key(kNumbers[i].name)), kNumbers[i]);
    };
    for (int i = 0; i <= static_cast<int>(Number::flickerIntensity); ++i)
        loadNumber(i);
    const QString raw = m_store->stringForKey(key(kFlickerMode)).value_or(QString());
    m_flickerMode = FlickerMode::fromRawValue(raw.toStdString()).value_or(FlickerMode::soft);
    for (int i = static_cast<int>(Number::phosphorGlow); i < numberCount; ++i)
        loadNumber(i);
}

OverlaySettings& OverlaySettings::shared() {
    // Thread-safe once-only initialisation; destroyed at exit so the store gets synced.
    static OverlaySettings instance(std::make_unique<QSettingsPreferenceStore>());
    return instance;
}

void OverlaySettings::setVisibilityRequestHandler(VisibilityRequest handler) {
    m_visibilityRequest = std::move(handler);
}

void OverlaySettings::setIsEnabled(bool value) {
    const bool changed = value != m_isEnabled;
    m_isEnabled = value;
    m_store->setBool(value, key(kIsEnabled));
    if (changed)
        emit isEnabledChanged();
    if (m_visibilityRequest)
        m_visibilityRequest(m_isEnabled);
}

void OverlaySettings::setNumber(Number n, double value) {
    const int i = static_cast<int>(n);
    const bool changed = !(value == m_numbers[i]);
    m_numbers[i] = value;
    m_store->setDouble(value, key(kNumbers[i].name));
    if (changed)
        notifyNumberChanged(n);
}

void OverlaySettings::notifyNumberChanged(Number n) {
    emit(this->*kNotifiers[static_cast<int>(n)])();
    emit effectSettingsChanged();
}

void OverlaySettings::setFlickerMode(FlickerMode mode) {
    const bool changed = !(mode == m_flickerMode);
    m_flickerMode = mode;
    const std::string_view raw = mode.rawValue();
    m_store->setString(QString::fromLatin1(raw.data(), qsizetype(raw.size())), key(kFlickerMode));
    if (changed) {
        emit flickerModeChanged();
        emit effectSettingsChanged();
    }
}

void OverlaySettings::resetToDefaults() {
    setIsEnabled(false);
    for (int i = 0; i <= static_cast<int>(Number::flickerIntensity); ++i)
        setNumber(static_cast<Number>(i), kNumbers[i].defaultValue);
    setFlickerMode(FlickerMode::soft);
    for (int i = static_cast<int>(Number::phosphorGlow); i < numberCount; ++i)
        setNumber(static_cast<Number>(i), kNumbers[i].defaultValue);
}
