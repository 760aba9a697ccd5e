// retroglimmer-frame: renders one overlay frame to a PNG, for checks and for the
// pictures in the documentation. The program itself takes no arguments; this
// developer tool is separate.

#include "render/drawing/QPainterDrawingContext.h"
#include "render/layers/OverlayFrame.h"
#include "tools/FrameToolOptions.h"

#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    const std::optional<FrameToolOptions> options = FrameToolOptions::parse(arguments, error);
    if (!options) {
        std::fprintf(stderr, "retroglimmer-frame: %s\n", error.c_str());
        return 2;
    }
    if (options->helpRequested) {
        std::printf("%s\n", FrameToolOptions::usage());
        return 0;
    }

    QImage frame(options->size, QImage::Format_ARGB32_Premultiplied);
    if (frame.isNull()) {
        std::fprintf(stderr, "retroglimmer-frame: not enough memory for a %dx%d frame\n",
                     options->size.width(), options->size.height());
        return 1;
    }
    frame.fill(Qt::transparent);
    {
        QPainter painter(&frame);
        QPainterDrawingContext context(painter);
        drawOverlayFrame(context, QSizeF(options->size), options->snapshot, options->time);
    }
    // PNG stores straight alpha.
    const QImage straight = frame.convertToFormat(QImage::Format_RGBA8888);
    if (!straight.save(QString::fromStdString(options->output), "PNG")) {
        std::fprintf(stderr, "retroglimmer-frame: cannot write '%s'\n", options->output.c_str());
        return 1;
    }
    return 0;
}
