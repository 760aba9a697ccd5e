#pragma once

#include <QScrollArea>

class EdgeFade;

// The vertical scroll area that holds the settings list. Keyboard focus moving
// to a control out of view, by any means, scrolls it into view; soft fades at
// the top and bottom edges show while rows lie above or below, since the panel
// hides its scroll bars.
class ListScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit ListScrollArea(QWidget* parent = nullptr);
    ~ListScrollArea() override;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void followFocus(QWidget* focused);
    void showFades();

    EdgeFade* m_top;
    EdgeFade* m_bottom;
};
