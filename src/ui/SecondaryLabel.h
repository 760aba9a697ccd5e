#pragma once

#include <QLabel>

// Text of lesser weight (value texts, the tagline): lighter than the main text
// but still readable, at least 4.5:1 against the background in any palette.
// The palette's own placeholder colour is often fainter than that.
class SecondaryLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr double minimumContrast = 4.5;

    explicit SecondaryLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // The contrast ratio of two opaque colours, from 1 (same) to 21.
    static double contrast(const QColor& a, const QColor& b);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The placeholder colour over the window colour, moved toward the text
    // colour just as far as the minimum contrast needs.
    static QColor colour(const QPalette& palette);
    void refresh();
};
