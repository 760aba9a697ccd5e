#pragma once

#include <cstdlib>
#include <memory>

// xcb hands out replies allocated with malloc; the caller frees them.
struct XcbFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using XcbReply = std::unique_ptr<Reply, XcbFree>;
