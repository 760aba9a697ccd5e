#include "settings/Look.h"

namespace {
using Number = OverlaySettings::Number;
} // namespace

std::array<double, OverlaySettings::numberCount> Look::defaultNumbers() {
    std::array<double, OverlaySettings::numberCount> numbers{};
    for (int i = 0; i < OverlaySettings::numberCount; ++i)
        numbers[i] = OverlaySettings::definition(static_cast<Number>(i)).defaultValue;
    return numbers;
}

Look Look::current(const OverlaySettings& settings, const QString& name) {
    Look look{name};
    for (int i = 0; i < OverlaySettings::numberCount; ++i)
        look.numbers[i] = settings.number(static_cast<Number>(i));
    look.flickerMode = settings.flickerMode();
    return look;
}

void Look::applyTo(OverlaySettings& settings) const {
    // Declaration order, as the reset goes: the numbers up to flickerIntensity,
    // the mode, then the rest.
    for (int i = 0; i <= static_cast<int>(Number::flickerIntensity); ++i)
        settings.setNumber(static_cast<Number>(i), numbers[i]);
    settings.setFlickerMode(flickerMode);
    for (int i = static_cast<int>(Number::phosphorGlow); i < OverlaySettings::numberCount; ++i)
        settings.setNumber(static_cast<Number>(i), numbers[i]);
}

bool Look::matches(const OverlaySettings& settings) const {
    const Look now = current(settings, name);
    return now.numbers == numbers && now.flickerMode == flickerMode;
}
