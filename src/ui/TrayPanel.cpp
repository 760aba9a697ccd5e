#include "ui/TrayPanel.h"

#include "ui/TrayPanelContent.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

TrayPanel::TrayPanel(OverlaySettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
    , m_content(new TrayPanelContent(settings)) {
    // A click outside only closes the panel: replayed onto the tray icon it
    // would open the panel again at once.
    setAttribute(Qt::WA_NoMouseReplay);
    setWindowTitle(tr("Retro Glimmer"));
    setAccessibleName(windowTitle());

    // One pixel of border: without a compositor there is no shadow to set the
    // panel apart from what lies below it.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_content);
    setFixedSize(m_content->size() + QSize(2, 2));
}

QPoint TrayPanel::placement(const QRect& anchor, const QSize& size, const QRect& available) {
    QPoint corner;
    if (anchor.right() < available.left() || anchor.left() > available.right()) {
        const bool onLeft = anchor.right() < available.left();
        corner.setX(onLeft ? anchor.right() + 1 + gap : anchor.left() - gap - size.width());
        corner.setY(anchor.center().y() - size.height() / 2);
    } else {
        const bool below = anchor.center().y() < available.center().y();
        corner.setX(anchor.center().x() - size.width() / 2);
        corner.setY(below ? anchor.bottom() + 1 + gap : anchor.top() - gap - size.height());
    }
    // Right and bottom edges first, so a panel larger than the area keeps its
    // top-left corner (and its first controls) visible.
    corner.setX(
        std::max(std::min(corner.x(), available.right() + 1 - size.width()), available.left()));
    corner.setY(
        std::max(std::min(corner.y(), available.bottom() + 1 - size.height()), available.top()));
    return corner;
}

void TrayPanel::showNear(const QRect& trayIconGeometry) {
    QRect anchor = trayIconGeometry;
    if (anchor.isEmpty())
        anchor = QRect(QCursor::pos(), QSize(1, 1));
    QScreen* screen = QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        create();
        windowHandle()->setScreen(screen);
        move(placement(anchor, size(), screen->availableGeometry()));
    }
    show();
    raise();
    activateWindow();
    // Keyboard use starts at the first control (the switch) at every opening.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
    focusNextChild();
}

void TrayPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TrayPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
