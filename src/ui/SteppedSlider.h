#pragma once

#include <QSlider>

// A horizontal slider over a closed range of doubles with a fixed step. QSlider
// counts in integers, so each step is split into `subdivisions` positions: a
// value between two steps set from elsewhere (a stored 4.7 on a 2...48 slider)
// shows where it is, while everything the user does snaps to whole steps.
//
// valueEdited is emitted only for user actions (mouse, keyboard, wheel), with
// lower + k * step (exactly the upper bound at the far end); setValue never
// emits it, so a control bound to a setting cannot write back what it was shown.
class SteppedSlider : public QSlider {
    Q_OBJECT

public:
    static constexpr int subdivisions = 100;

    SteppedSlider(double lower, double upper, double step, QWidget* parent = nullptr);

    double lower() const { return m_lower; }
    double upper() const { return m_upper; }
    double step() const { return m_step; }
    int stepCount() const { return m_stepCount; }

    // The value of step k (0 ... stepCount()).
    double valueAtStep(int k) const;
    // The value the thumb shows: the one last set, or the last one written.
    double doubleValue() const { return m_value; }
    // Moves the thumb to any value (clamped for display only) without emitting valueEdited.
    void setDoubleValue(double value);

    // What assistive technology reads as the value ("30 %"); empty: the number.
    QString valueText() const { return m_valueText; }
    void setValueText(const QString& text) { m_valueText = text; }

signals:
    void valueEdited(double value);

private:
    void snapAction(int action);
    void positionChanged(int position);

    double m_lower;
    double m_upper;
    double m_step;
    int m_stepCount;
    double m_value;
    QString m_valueText;
    bool m_settingValue = false;
};
