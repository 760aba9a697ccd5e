// A plain window of one colour (or colour bars, with COLOR "bars") for
// end-to-end tests and screenshots: something for the overlay to blend over and
// for clicks to land on. Prints "click X Y" (global coordinates) for every
// mouse press.
//   e2e-solid-window COLOR X Y W H [fullscreen]
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <iostream>

namespace {
class SolidWindow : public QWidget {
public:
    bool bars = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (!bars)
            return;
        static const QColor colours[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                                         Qt::magenta, Qt::red,    Qt::blue, Qt::black};
        QPainter painter(this);
        const int n = int(std::size(colours));
        for (int i = 0; i < n; ++i)
            painter.fillRect(QRect(width() * i / n, 0, width() / n + 1, height() * 2 / 3),
                             colours[i]);
        QLinearGradient ramp(0, 0, width(), 0);
        ramp.setColorAt(0, Qt::black);
        ramp.setColorAt(1, Qt::white);
        painter.fillRect(QRect(0, height() * 2 / 3, width(), height() - height() * 2 / 3), ramp);
    }

    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->globalPosition().toPoint();
        std::cout << "click " << p.x() << ' ' << p.y() << std::endl;
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 6) {
        std::cerr << "usage: e2e-solid-window COLOR X Y W H [fullscreen]\n";
        return 2;
    }
    SolidWindow window;
    window.setWindowTitle(QStringLiteral("e2e-solid"));
    window.bars = std::string(argv[1]) == "bars";
    QPalette palette;
    palette.setColor(QPalette::Window,
                     window.bars ? QColor(Qt::black) : QColor(QString::fromLatin1(argv[1])));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setGeometry(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                       std::atoi(argv[5]));
    if (argc > 6 && std::string(argv[6]) == "fullscreen")
        window.showFullScreen();
    else
        window.show();
    std::cout << "shown" << std::endl;
    return app.exec();
}
