#pragma once

#include "render/OverlayRenderConfiguration.h"

#include <QSize>
#include <optional>
#include <string>
#include <vector>

// The command line of retroglimmer-frame:
//   --size WxH --time SECONDS [--look NAME] [--set NAME=VALUE]... --output FILE.png
// Settings not given keep their defaults (or the built-in look's values), in
// the order given; nothing is read from a settings file.
struct FrameToolOptions {
    QSize size;
    double time = 0;
    OverlayRenderConfiguration snapshot;
    std::string output;
    bool helpRequested = false;

    static constexpr int maximumSide = 16384;

    // The arguments after the program name. On failure gives no value and a
    // one-line message naming the offending option, name or value.
    static std::optional<FrameToolOptions> parse(const std::vector<std::string>& arguments,
                                                 std::string& error);

    static const char* usage();
};
