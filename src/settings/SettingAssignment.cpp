#include "settings/SettingAssignment.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace {
constexpr std::string_view kFlickerMode = SettingsTable::flickerModeName;

QString numberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
} // namespace

std::optional<double> SettingAssignment::parseFinite(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || next != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

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
    assignment.definition = SettingsTable::find(name);
    if (assignment.definition) {
        const std::optional<double> parsed = parseFinite(value);
        if (!parsed) {
            error = "invalid value '" + value + "' for " + name + ": expected a finite number";
            return std::nullopt;
        }
        assignment.value = *parsed;
        return assignment;
    }
    error = "unknown setting '" + name + "' in --set";
    return std::nullopt;
}

std::string SettingAssignment::rangeError() const {
    if (!definition || (value >= definition->lower && value <= definition->upper))
        return {};
    return "invalid value '" + numberText(value).toStdString() + "' for " + definition->name +
           ": expected a number from " + numberText(definition->lower).toStdString() + " to " +
           numberText(definition->upper).toStdString();
}

void SettingAssignment::applyTo(OverlaySettings& settings) const {
    if (definition)
        settings.setValue(definition->setting, value);
    else
        settings.setFlickerMode(mode);
}

void SettingAssignment::applyTo(SettingValues& values) const {
    if (definition)
        values.*definition->field = value;
    else
        values.flickerMode = mode;
}

QStringList SettingAssignment::names() {
    QStringList names{QStringLiteral("isEnabled")};
    for (const SettingDefinition& definition : SettingsTable::all())
        names << QLatin1String(definition.name);
    names << QLatin1String(kFlickerMode.data(), qsizetype(kFlickerMode.size()));
    return names;
}

QStringList SettingAssignment::describe(const OverlaySettings& settings, const QString& name) {
    const std::string_view mode = settings.flickerMode().rawValue();
    QStringList values{settings.isEnabled() ? QStringLiteral("true") : QStringLiteral("false")};
    for (const SettingDefinition& definition : SettingsTable::all())
        values << numberText(settings.value(definition.setting));
    values << QString::fromLatin1(mode.data(), qsizetype(mode.size()));
    const QStringList all = names();
    QStringList lines;
    for (qsizetype i = 0; i < all.size(); ++i)
        if (name.isEmpty() || name == all[i])
            lines << all[i] + '=' + values[i];
    return lines;
}
