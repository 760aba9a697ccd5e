#include "ui/ValueText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {
// 0.29 x 100 is 28.999999999999996 in doubles: a few units in the last place,
// far below anything a value between steps can differ by.
constexpr double kRoundingError = 1e-9;

double truncatedTowardZero(double value) {
    const double nearest = std::round(value);
    if (std::abs(value - nearest) <= kRoundingError * std::max(1.0, std::abs(nearest)))
        return nearest;
    return std::trunc(value);
}

QString number(std::int64_t value) {
    // Values stay far below a thousand; saturated ones read better unbroken.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(qint64(value));
}
} // namespace

QString ValueText::whole(double value) {
    if (std::isnan(value))
        return QStringLiteral("–");
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit)
        return number(std::numeric_limits<std::int64_t>::max());
    if (value < -limit)
        return number(std::numeric_limits<std::int64_t>::min());
    return number(static_cast<std::int64_t>(truncatedTowardZero(value)));
}

QString ValueText::pixels(double value) {
    return tr("%1 px").arg(whole(value));
}

QString ValueText::percent(double fraction) {
    return tr("%1 %").arg(whole(fraction * 100.0));
}

QString ValueText::degrees(double fraction) {
    return tr("%1°").arg(whole(fraction * 360.0));
}
