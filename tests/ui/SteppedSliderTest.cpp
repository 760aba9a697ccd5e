#include "ui/SteppedSlider.h"
#include "UiTestSupport.h"

#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <cmath>

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

// Presses on the thumb and moves it in uneven strides to x, past the groove's end.
void drag(SteppedSlider& slider, int x) {
    const QPoint from = handleCentre(slider);
    const int stride = x > from.x() ? 7 : -5;
    QTest::mousePress(&slider, Qt::LeftButton, {}, from);
    for (int at = from.x(); stride > 0 ? at < x : at > x; at += stride)
        QTest::mouseMove(&slider, QPoint(at, from.y()));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(x, from.y()));
}
} // namespace

// Dragging to either end writes exactly the bounds and only whole steps; each
// step from the keyboard writes lower plus whole steps, also from between two.
TEST(SteppedSlider, WritesExactlyTheBoundsAndOnlyWholeStepsDraggedOrStepped) {
    for (const Kind& kind : kKinds) {
        SteppedSlider slider(kind.lower, kind.upper, kind.step);
        slider.resize(300, 30);
        slider.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&slider));
        slider.setDoubleValue((kind.lower + kind.upper) / 2);
        QSignalSpy dragged(&slider, &SteppedSlider::valueEdited);
        drag(slider, slider.width() + 40);
        ASSERT_FALSE(dragged.isEmpty());
        EXPECT_EQ(dragged.constLast().at(0).toDouble(), kind.upper);
        drag(slider, -40);
        EXPECT_EQ(dragged.constLast().at(0).toDouble(), kind.lower);
        for (double v : written(dragged)) {
            const double k = (v - kind.lower) / kind.step;
            EXPECT_TRUE(v >= kind.lower && v <= kind.upper && std::abs(k - std::round(k)) < 1e-9)
                << v;
        }

        QSignalSpy stepped(&slider, &SteppedSlider::valueEdited);
        for (int i = 0; i < slider.stepCount() + 3; ++i)
            slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const std::vector<double> values = written(stepped);
        ASSERT_EQ(values.size(), std::size_t(slider.stepCount()));
        for (std::size_t k = 1; k < values.size(); ++k)
            EXPECT_EQ(values[k - 1], kind.lower + double(k) * kind.step);
        EXPECT_EQ(values.back(), kind.upper);
    }
    // A stored 4.7 sits between the steps 4 and 5: one step lands on either.
    SteppedSlider slider(2, 48, 1);
    QSignalSpy spy(&slider, &SteppedSlider::valueEdited);
    slider.setDoubleValue(4.7);
    slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    slider.setDoubleValue(4.7);
    slider.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(written(spy), (std::vector<double>{5, 4}));
}
