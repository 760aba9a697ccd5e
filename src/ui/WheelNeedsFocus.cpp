#include "ui/WheelNeedsFocus.h"

#include <QEvent>
#include <QWidget>

void WheelNeedsFocus::install(QWidget* control) {
    control->installEventFilter(new WheelNeedsFocus(control));
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
        return false;
    // Filtered but not accepted: the application hands it to the parents.
    event->ignore();
    return true;
}
