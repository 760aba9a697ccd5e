#include "ui/EdgeFade.h"

#include <QLinearGradient>
#include <QPainter>

EdgeFade::EdgeFade(Qt::Edge edge, QWidget* parent)
    : QWidget(parent)
    , m_edge(edge) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void EdgeFade::place(const QRect& area) {
    const int top = m_edge == Qt::TopEdge ? area.top() : area.bottom() + 1 - depth;
    setGeometry(area.left(), top, area.width(), depth);
}

void EdgeFade::paintEvent(QPaintEvent*) {
    QColor solid = palette().color(QPalette::Window);
    QColor clear = solid;
    clear.setAlpha(0);
    const bool top = m_edge == Qt::TopEdge;
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, top ? solid : clear);
    gradient.setColorAt(1, top ? clear : solid);
    QPainter(this).fillRect(rect(), gradient);
}
