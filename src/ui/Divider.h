#pragma once

#include <QFrame>

// A thin horizontal rule in the palette's mid tone. A sunken line draws with
// the Light role, which is near white in many dark palettes.
class Divider : public QFrame {
    Q_OBJECT

public:
    explicit Divider(QWidget* parent = nullptr);
};
