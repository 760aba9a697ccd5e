#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class SteppedSlider;

// Assistive technology sees a SteppedSlider in the setting's own units (4 px,
// 0.3) rather than in the integer positions QSlider counts in.
class SteppedSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SteppedSliderAccessible(SteppedSlider* slider);

    // Registers the factory once per process.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SteppedSlider* slider() const;
};
