#pragma once

#include <QPushButton>

// A push button showing its title and a symbol in the button text colour,
// drawn again when the palette changes.
class SymbolButton : public QPushButton {
    Q_OBJECT

public:
    SymbolButton(const QString& symbol, const QString& title, QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    QString m_symbol;
};
