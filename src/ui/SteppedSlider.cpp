#include "ui/SteppedSlider.h"

#include "ui/SteppedSliderAccessible.h"
#include "ui/WheelNeedsFocus.h"

#include <algorithm>
#include <cmath>

SteppedSlider::SteppedSlider(double lower, double upper, double step, QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
    , m_lower(lower)
    , m_upper(upper)
    , m_step(step)
    , m_stepCount(std::max(1, static_cast<int>(std::lround((upper - lower) / step))))
    , m_value(lower) {
    SteppedSliderAccessible::install();
    setRange(0, m_stepCount * subdivisions);
    setSingleStep(subdivisions);
    setPageStep(subdivisions * std::max(1, m_stepCount / 10));
    setTracking(true);
    WheelNeedsFocus::install(this);
    connect(this, &QAbstractSlider::actionTriggered, this, &SteppedSlider::snapAction);
    connect(this, &QAbstractSlider::valueChanged, this, &SteppedSlider::positionChanged);
}

double SteppedSlider::valueAtStep(int k) const {
    if (k <= 0)
        return m_lower;
    if (k >= m_stepCount)
        return m_upper;
    return m_lower + k * m_step;
}

void SteppedSlider::setDoubleValue(double value) {
    m_value = value;
    double position = (value - m_lower) / m_step * subdivisions;
    if (std::isnan(position))
        position = 0;
    position = std::clamp(position, 0.0, double(maximum()));
    m_settingValue = true;
    setValue(static_cast<int>(std::lround(position)));
    m_settingValue = false;
}

// Runs after the action moved the slider position and before the value follows:
// the place to snap it to a whole step.
void SteppedSlider::snapAction(int action) {
    const int position = sliderPosition();
    const int current = value();
    int k = 0;
    switch (action) {
    case SliderSingleStepAdd:
        // From between two steps one step up lands on the next whole step.
        k = current / subdivisions + 1;
        break;
    case SliderSingleStepSub:
        k = (current + subdivisions - 1) / subdivisions - 1;
        break;
    default:
        k = static_cast<int>(std::lround(double(position) / subdivisions));
        break;
    }
    setSliderPosition(std::clamp(k, 0, m_stepCount) * subdivisions);
}

void SteppedSlider::positionChanged(int position) {
    if (m_settingValue)
        return;
    // User actions are snapped already; rounding keeps an off-step write impossible.
    const int k = static_cast<int>(std::lround(double(position) / subdivisions));
    m_value = valueAtStep(k);
    emit valueEdited(m_value);
}
