// A plain window of one colour for end-to-end tests: something for the overlay
// to blend over and for clicks to land on. Prints "click X Y" (global
// coordinates) for every mouse press.
//   e2e-solid-window COLOR X Y W H [fullscreen]
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <iostream>

namespace {
class SolidWindow : public QWidget {
protected:
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
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(QString::fromLatin1(argv[1])));
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
