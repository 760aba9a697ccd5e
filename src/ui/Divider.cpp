#include "ui/Divider.h"

Divider::Divider(QWidget* parent)
    : QFrame(parent) {
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Plain);
    setForegroundRole(QPalette::Mid);
    setFixedHeight(1);
}
