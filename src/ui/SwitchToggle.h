#pragma once

#include <QAbstractButton>

// An on/off switch with a label (symbol and text) on the leading side and the
// switch track on the trailing side. The whole row is one checkable button:
// a click anywhere on it or Space toggles it.
class SwitchToggle : public QAbstractButton {
    Q_OBJECT

public:
    explicit SwitchToggle(QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString& symbol);

    // Where the track is drawn, in widget coordinates.
    QRect trackRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void refreshIcon();

    QString m_symbol;
};
