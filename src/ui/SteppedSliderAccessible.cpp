#include "ui/SteppedSliderAccessible.h"

#include "ui/SteppedSlider.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {
QAccessibleInterface* create(const QString& className, QObject* object) {
    if (className == QLatin1String("SteppedSlider"))
        if (auto* slider = qobject_cast<SteppedSlider*>(object))
            return new SteppedSliderAccessible(slider);
    return nullptr;
}
} // namespace

SteppedSliderAccessible::SteppedSliderAccessible(SteppedSlider* slider)
    : QAccessibleWidget(slider, QAccessible::Slider) {}

void SteppedSliderAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(installed);
}

SteppedSlider* SteppedSliderAccessible::slider() const {
    return static_cast<SteppedSlider*>(widget());
}

void* SteppedSliderAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString SteppedSliderAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        const QString shown = slider()->valueText();
        return shown.isEmpty() ? QLocale().toString(slider()->doubleValue()) : shown;
    }
    return QAccessibleWidget::text(t);
}

QVariant SteppedSliderAccessible::currentValue() const {
    return slider()->doubleValue();
}

// A value set by assistive technology is a user edit: it snaps to the nearest
// step and is written like a move of the thumb.
void SteppedSliderAccessible::setCurrentValue(const QVariant& value) {
    const double v = value.toDouble();
    if (std::isnan(v))
        return;
    const double k = std::round((v - slider()->lower()) / slider()->step());
    const int step = static_cast<int>(std::clamp(k, 0.0, double(slider()->stepCount())));
    slider()->setValue(step * SteppedSlider::subdivisions);
}

QVariant SteppedSliderAccessible::maximumValue() const {
    return slider()->upper();
}
QVariant SteppedSliderAccessible::minimumValue() const {
    return slider()->lower();
}
QVariant SteppedSliderAccessible::minimumStepSize() const {
    return slider()->step();
}
