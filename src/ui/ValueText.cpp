#include "ValueText.h"

#include <cmath>
#include <cstdint>
#include <limits>

QString ValueText::truncated(double value) {
    if (std::isnan(value))
        return QStringLiteral("–");
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return QString::number(std::numeric_limits<std::int64_t>::max());
    if (value < -limit)
        return QString::number(std::numeric_limits<std::int64_t>::min());
    return QString::number(static_cast<std::int64_t>(std::trunc(value)));
}

QString ValueText::pixels(double value) {
    return truncated(value) + QStringLiteral(" px");
}

QString ValueText::percent(double fraction) {
    return truncated(fraction * 100.0) + QStringLiteral(" %");
}

QString ValueText::degrees(double fraction) {
    return truncated(fraction * 360.0) + QStringLiteral("°");
}
