#pragma once

#include <QWidget>

// A soft fade from the panel's background colour at one edge of a list to clear
// a little way in: it says that more rows lie beyond that edge. It takes no
// mouse events, so the rows under it stay usable.
class EdgeFade : public QWidget {
    Q_OBJECT

public:
    static constexpr int depth = 32;

    EdgeFade(Qt::Edge edge, QWidget* parent);

    // Lays the fade along its edge of `area` (in the parent's coordinates).
    void place(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Edge m_edge;
};
