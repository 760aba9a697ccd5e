#pragma once

#include <QWidget>

class TrayPanelContent;
class OverlaySettings;

// The frameless popup that opens from the tray icon with the panel's controls.
// Being a popup it closes when the user clicks anywhere outside it (the tray
// icon included, so a second click on the icon closes it) and on Escape.
class TrayPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int gap = 4;

    explicit TrayPanel(OverlaySettings& settings, QWidget* parent = nullptr);

    TrayPanelContent* content() const { return m_content; }

    // Shows the panel next to the tray icon, or next to the mouse pointer when
    // the tray reports no geometry, entirely on that screen's available area.
    void showNear(const QRect& trayIconGeometry);

    // Top-left corner for a panel of `size` next to `anchor`: below it when the
    // anchor is in the upper half of `available`, above it otherwise, beside it
    // when the anchor lies left or right of `available` (a vertical panel);
    // then moved as little as needed to lie within `available`.
    static QPoint placement(const QRect& anchor, const QSize& size, const QRect& available);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TrayPanelContent* m_content;
};
