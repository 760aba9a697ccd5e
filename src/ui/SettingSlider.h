#pragma once

#include <QWidget>

class QLabel;
class SteppedSlider;
class SymbolLabel;

// A labelled slider row editing one real-valued setting: symbol, title and the
// value text on one line, a stepped slider below. The row shows what it is
// given and formats nothing itself; the user's moves come out as valueEdited.
class SettingSlider : public QWidget {
    Q_OBJECT

public:
    SettingSlider(const QString& title, const QString& systemImage, double lower, double upper,
                  double step, QWidget* parent = nullptr);

    QString title() const;
    QString systemImage() const;
    QString formattedValue() const;
    SteppedSlider* slider() const { return m_slider; }

    // Shows a value set from anywhere; never emits valueEdited.
    void display(double value, const QString& formattedValue);

signals:
    // The user moved the slider to this value (lower bound plus whole steps).
    void valueEdited(double value);

private:
    SymbolLabel* m_symbol;
    QLabel* m_title;
    QLabel* m_value;
    SteppedSlider* m_slider;
};
