#include "settings/SettingAssignment.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace {
using Number = OverlaySettings::Number;
constexpr std::string_view kFlickerMode = "flickerMode";

std::optional<double> parseFinite(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || next != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString numberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
} // namespace

std::optional<SettingAssignment> SettingAssignment::parse(std::string_view text,
                                                          std::string& error) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        error = "invalid --set '" + std::string(text) + "': expected NAME=VALUE";
        return std::nullopt;
    }
    const std::string name(text.substr(0, equals));
    const std::string value(text.substr(equals + 1));
    SettingAssignment assignment;
    if (name == kFlickerMode) {
        const std::optional<FlickerMode> mode = FlickerMode::fromRawValue(value);
        if (!mode) {
            error = "invalid value '" + value + "' for flickerMode: expected soft, pulse or jitter";
            return std::nullopt;
        }
        assignment.mode = *mode;
        return assignment;
    }
    for (int index = 0; index < OverlaySettings::numberCount; ++index) {
        const auto number = static_cast<Number>(index);
        if (name != OverlaySettings::definition(number).name)
            continue;
        const std::optional<double> parsed = parseFinite(value);
        if (!parsed) {
            error = "invalid value '" + value + "' for " + name + ": expected a finite number";
            return std::nullopt;
        }
        assignment.number = number;
        assignment.value = *parsed;
        return assignment;
    }
    error = "unknown setting '" + name + "' in --set";
    return std::nullopt;
}

std::string SettingAssignment::rangeError() const {
    if (!number)
        return {};
    const OverlaySettings::NumberDefinition& definition = OverlaySettings::definition(*number);
    if (value >= definition.lower && value <= definition.upper)
        return {};
    return "invalid value '" + numberText(value).toStdString() + "' for " + definition.name +
           ": expected a number from " + numberText(definition.lower).toStdString() + " to " +
           numberText(definition.upper).toStdString();
}

void SettingAssignment::applyTo(OverlaySettings& settings) const {
    if (number)
        settings.setNumber(*number, value);
    else
        settings.setFlickerMode(mode);
}

QStringList SettingAssignment::names() {
    QStringList names{QStringLiteral("isEnabled")};
    for (int index = 0; index < OverlaySettings::numberCount; ++index)
        names << QLatin1String(OverlaySettings::definition(static_cast<Number>(index)).name);
    names << QLatin1String(kFlickerMode.data(), qsizetype(kFlickerMode.size()));
    return names;
}

QStringList SettingAssignment::describe(const OverlaySettings& settings, const QString& name) {
    const std::string_view mode = settings.flickerMode().rawValue();
    QStringList values{settings.isEnabled() ? QStringLiteral("true") : QStringLiteral("false")};
    for (int index = 0; index < OverlaySettings::numberCount; ++index)
        values << numberText(settings.number(static_cast<Number>(index)));
    values << QString::fromLatin1(mode.data(), qsizetype(mode.size()));
    const QStringList all = names();
    QStringList lines;
    for (qsizetype i = 0; i < all.size(); ++i)
        if (name.isEmpty() || name == all[i])
            lines << all[i] + '=' + values[i];
    return lines;
}
