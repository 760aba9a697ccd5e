#include "ui/ListScrollArea.h"

#include "ui/EdgeFade.h"

#include <QApplication>
#include <QEvent>
#include <QScrollBar>

ListScrollArea::ListScrollArea(QWidget* parent)
    : QScrollArea(parent)
    // Siblings of the viewport created after it, so they lie above the rows.
    , m_top(new EdgeFade(Qt::TopEdge, this))
    , m_bottom(new EdgeFade(Qt::BottomEdge, this)) {
    // Tab already scrolls to the control it reaches; opening the panel or
    // assistive technology move the focus without scrolling.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ListScrollArea::showFades);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &ListScrollArea::showFades);
}

// The focus moves while widgets are destroyed, this one included: from here
// on no signal may reach the parts of it already gone.
ListScrollArea::~ListScrollArea() {
    disconnect(qApp, nullptr, this, nullptr);
    verticalScrollBar()->disconnect(this);
}

bool ListScrollArea::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
        m_top->place(viewport()->geometry());
        m_bottom->place(viewport()->geometry());
    }
    return QScrollArea::viewportEvent(event);
}

void ListScrollArea::followFocus(QWidget* focused) {
    // A control clicked is in view already; scrolling now would move its
    // thumb away from under the pointer that is pressing it.
    if (QApplication::mouseButtons() != Qt::NoButton)
        return;
    if (focused && widget() && widget()->isAncestorOf(focused))
        ensureWidgetVisible(focused);
}

void ListScrollArea::showFades() {
    const QScrollBar* bar = verticalScrollBar();
    m_top->setVisible(bar->value() > bar->minimum());
    m_bottom->setVisible(bar->value() < bar->maximum());
}
