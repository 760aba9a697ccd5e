#pragma once

#include <QLabel>

// A symbol shown in the widget's text colour; it is drawn again when the
// palette changes (light and dark themes).
class SymbolLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr int side = 18;

    explicit SymbolLabel(const QString& symbol, QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString& symbol);

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    QString m_symbol;
};
