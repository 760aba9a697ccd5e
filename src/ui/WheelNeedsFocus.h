#pragma once

#include <QObject>

class QWidget;

// In a scrolling list the wheel belongs to the list: a control that merely
// passes under the pointer during a scroll must not change its setting. Once
// installed, a control takes wheel events only while it has keyboard focus;
// otherwise they travel on to the list around it.
class WheelNeedsFocus : public QObject {
    Q_OBJECT

public:
    static void install(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
