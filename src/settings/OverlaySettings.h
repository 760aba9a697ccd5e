#pragma once

#include "settings/FlickerMode.h"
#include "settings/PreferenceStore.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

// The one live object holding every overlay setting. Loads the effect settings
// once at construction, writes every assignment straight through to the store
// and notifies per property, only when the value changed. Belongs to the main
// thread.
class OverlaySettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isEnabled READ isEnabled WRITE setIsEnabled NOTIFY isEnabledChanged)
    Q_PROPERTY(double gridSize READ gridSize WRITE setGridSize NOTIFY gridSizeChanged)
    Q_PROPERTY(double gridOpacity READ gridOpacity WRITE setGridOpacity NOTIFY gridOpacityChanged)
    Q_PROPERTY(double scanlineOpacity READ scanlineOpacity WRITE setScanlineOpacity NOTIFY
                   scanlineOpacityChanged)
    Q_PROPERTY(double tintHue READ tintHue WRITE setTintHue NOTIFY tintHueChanged)
    Q_PROPERTY(double tintOpacity READ tintOpacity WRITE setTintOpacity NOTIFY tintOpacityChanged)
    Q_PROPERTY(double flickerIntensity READ flickerIntensity WRITE setFlickerIntensity NOTIFY
                   flickerIntensityChanged)
    Q_PROPERTY(
        double phosphorGlow READ phosphorGlow WRITE setPhosphorGlow NOTIFY phosphorGlowChanged)
    Q_PROPERTY(double horizontalDrift READ horizontalDrift WRITE setHorizontalDrift NOTIFY
                   horizontalDriftChanged)
    Q_PROPERTY(double horizontalDriftSpeed READ horizontalDriftSpeed WRITE setHorizontalDriftSpeed
                   NOTIFY horizontalDriftSpeedChanged)
    Q_PROPERTY(double rollingBand READ rollingBand WRITE setRollingBand NOTIFY rollingBandChanged)
    Q_PROPERTY(double rollingBandSpeed READ rollingBandSpeed WRITE setRollingBandSpeed NOTIFY
                   rollingBandSpeedChanged)
    Q_PROPERTY(double dustNoise READ dustNoise WRITE setDustNoise NOTIFY dustNoiseChanged)

public:
    // The twelve numeric settings, in declaration order.
    enum class Number {
        gridSize,
        gridOpacity,
        scanlineOpacity,
        tintHue,
        tintOpacity,
        flickerIntensity,
        phosphorGlow,
        horizontalDrift,
        horizontalDriftSpeed,
        rollingBand,
        rollingBandSpeed,
        dustNoise,
    };
    static constexpr int numberCount = 12;

    struct NumberDefinition {
        const char* name;
        double defaultValue;
        double lower;
        double upper;
    };
    static const NumberDefinition& definition(Number number);
    // A number as it loads from the store: clamped to its range.
    static double clampLoaded(Number number, double value);
    static QString key(const char* propertyName);

    // Called after every assignment to isEnabled, once persisted, with the value held.
    using VisibilityRequest = std::function<void(bool)>;

    explicit OverlaySettings(std::unique_ptr<PreferenceStore> store, QObject* parent = nullptr);
    ~OverlaySettings() override;

    // The process-wide instance over the user's store, created on first use.
    static OverlaySettings& shared();

    void setVisibilityRequestHandler(VisibilityRequest handler);
    PreferenceStore& store() { return *m_store; }

    bool isEnabled() const { return m_isEnabled; }
    double number(Number n) const { return m_numbers[static_cast<int>(n)]; }
    double gridSize() const { return number(Number::gridSize); }
    double gridOpacity() const { return number(Number::gridOpacity); }
    double scanlineOpacity() const { return number(Number::scanlineOpacity); }
    double tintHue() const { return number(Number::tintHue); }
    double tintOpacity() const { return number(Number::tintOpacity); }
    double flickerIntensity() const { return number(Number::flickerIntensity); }
    FlickerMode flickerMode() const { return m_flickerMode; }
    double phosphorGlow() const { return number(Number::phosphorGlow); }
    double horizontalDrift() const { return number(Number::horizontalDrift); }
    double horizontalDriftSpeed() const { return number(Number::horizontalDriftSpeed); }
    double rollingBand() const { return number(Number::rollingBand); }
    double rollingBandSpeed() const { return number(Number::rollingBandSpeed); }
    double dustNoise() const { return number(Number::dustNoise); }

    void setIsEnabled(bool value);
    void setNumber(Number n, double value);
    void setGridSize(double v) { setNumber(Number::gridSize, v); }
    void setGridOpacity(double v) { setNumber(Number::gridOpacity, v); }
    void setScanlineOpacity(double v) { setNumber(Number::scanlineOpacity, v); }
    void setTintHue(double v) { setNumber(Number::tintHue, v); }
    void setTintOpacity(double v) { setNumber(Number::tintOpacity, v); }
    void setFlickerIntensity(double v) { setNumber(Number::flickerIntensity, v); }
    void setFlickerMode(FlickerMode mode);
    void setPhosphorGlow(double v) { setNumber(Number::phosphorGlow, v); }
    void setHorizontalDrift(double v) { setNumber(Number::horizontalDrift, v); }
    void setHorizontalDriftSpeed(double v) { setNumber(Number::horizontalDriftSpeed, v); }
    void setRollingBand(double v) { setNumber(Number::rollingBand, v); }
    void setRollingBandSpeed(double v) { setNumber(Number::rollingBandSpeed, v); }
    void setDustNoise(double v) { setNumber(Number::dustNoise, v); }

    // Switches the overlay off and puts every effect setting back to its default,
    // each through its own setter.
    void resetToDefaults();

signals:
    void isEnabledChanged();
    void gridSizeChanged();
    void gridOpacityChanged();
    void scanlineOpacityChanged();
    void tintHueChanged();
    void tintOpacityChanged();
    void flickerIntensityChanged();
    void flickerModeChanged();
    void phosphorGlowChanged();
    void horizontalDriftChanged();
    void horizontalDriftSpeedChanged();
    void rollingBandChanged();
    void rollingBandSpeedChanged();
    void dustNoiseChanged();

    // Any of the thirteen effect settings changed (not isEnabled).
    void effectSettingsChanged();

private:
    void load();
    void notifyNumberChanged(Number n);

    std::unique_ptr<PreferenceStore> m_store;
    VisibilityRequest m_visibilityRequest;
    bool m_isEnabled = false;
    std::array<double, numberCount> m_numbers{};
    FlickerMode m_flickerMode = FlickerMode::soft;
};
