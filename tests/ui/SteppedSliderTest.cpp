#include "SteppedSlider.h"
#include "QtPrinters.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {
struct Kind {
    double lower, upper, step;
};
const Kind kKinds[] = {{2, 48, 1}, {0, 1, 0.01}};

std::vector<double> written(const QSignalSpy& spy) {
    std::vector<double> values;
    for (const QList<QVariant>& args : spy)
        values.push_back(args.at(0).toDouble());
    return values;
}

// True when v is in range and the lower bound plus a whole number of steps.
bool onStep(const SteppedSlider& s, double v) {
    const double k = (v - s.lower()) / s.step();
    return v >= s.lower() && v <= s.upper() && std::abs(k - std::round(k)) < 1e-9;
}

QPoint handleCentre(SteppedSlider& slider) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    return slider.style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider)
        .center();
}
} // namespace

TEST(SteppedSlider, DraggingToEitherEndWritesExactlyTheBoundsAndOnlyWholeSteps) {
    for (const Kind& kind : kKinds) {
        SteppedSlider slider(kind.lower, kind.upper, kind.step);
        slider.resize(300, 30);
        slider.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
        slider.setDoubleValue((kind.lower + kind.upper) / 2);
        QSignalSpy spy(&slider, &SteppedSlider::valueEdited);

        const QPoint start = handleCentre(slider);
        QTest::mousePress(&slider, Qt::LeftButton, {}, start);
        for (int x = start.x(); x < slider.width() + 40; x += 7)
            QTest::mouseMove(&slider, QPoint(x, start.y()));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(slider.width() + 40, start.y()));
        ASSERT_FALSE(spy.isEmpty());
        EXPECT_EQ(spy.constLast().at(0).toDouble(), kind.upper);

        const QPoint top = handleCentre(slider);
        QTest::mousePress(&slider, Qt::LeftButton, {}, top);
        for (int x = top.x(); x > -40; x -= 5)
            QTest::mouseMove(&slider, QPoint(x, top.y()));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(-40, top.y()));
        EXPECT_EQ(spy.constLast().at(0).toDouble(), kind.lower);

        for (double v : written(spy))
            EXPECT_TRUE(onStep(slider, v)) << v;
    }
}

TEST(SteppedSlider, EveryStepWritesLowerPlusWholeSteps) {
    for (const Kind& kind : kKinds) {
        SteppedSlider slider(kind.lower, kind.upper, kind.step);
        QSignalSpy spy(&slider, &SteppedSlider::valueEdited);
        for (int i = 0; i < slider.stepCount() + 3; ++i)
            slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const std::vector<double> values = written(spy);
        ASSERT_EQ(values.size(), std::size_t(slider.stepCount()));
        for (std::size_t k = 1; k < values.size(); ++k)
            EXPECT_EQ(values[k - 1], kind.lower + double(k) * kind.step);
        EXPECT_EQ(values.back(), kind.upper);
    }
}

TEST(SteppedSlider, AValueSetFromElsewhereMovesTheThumbWithoutWriting) {
    SteppedSlider slider(2, 48, 1);
    QSignalSpy spy(&slider, &SteppedSlider::valueEdited);
    slider.setDoubleValue(4.7);
    slider.setDoubleValue(48);
    slider.setDoubleValue(4.7);
    EXPECT_TRUE(spy.isEmpty());
    EXPECT_DOUBLE_EQ(slider.doubleValue(), 4.7);
    // The thumb sits between the steps 4 and 5, where 4.7 is.
    EXPECT_EQ(slider.sliderPosition(), 270);

    // One step from between two steps lands on the neighbouring whole step.
    slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    slider.setDoubleValue(4.7);
    slider.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(written(spy), (std::vector<double>{5, 4}));
}

TEST(SteppedSlider, AssistiveTechnologySeesTheSettingsUnits) {
    SteppedSlider slider(2, 48, 1);
    slider.setAccessibleName("Pixel size");
    slider.setDoubleValue(4.7);
    slider.setValueText("4 px");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&slider);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name) + " " + accessible->text(QAccessible::Value),
              "Pixel size 4 px");
    QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), 4.7);
    EXPECT_EQ(value->maximumValue().toDouble(), 48.0);

    QSignalSpy spy(&slider, &SteppedSlider::valueEdited);
    value->setCurrentValue(10.4);
    EXPECT_EQ(written(spy), std::vector<double>{10});
}
