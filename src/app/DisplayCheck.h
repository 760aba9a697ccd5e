#pragma once

// Whether the display the program is about to use can be opened. Qt aborts
// with a core dump and a misleading hint when it cannot; this says which
// display failed instead. Bounded in time: a display that accepts the
// connection but never answers counts as failed.
namespace DisplayCheck {

constexpr int answerTimeoutMs = 3000;

// Before the application object exists, after the platform has been chosen.
// False, after one line on stderr naming the display, when it cannot be opened.
bool displayOpens();

} // namespace DisplayCheck
