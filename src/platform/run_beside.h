#pragma once
// Two pieces of work at once, for the few steps that read a federation's whole database or site
// and split it in two parts that share nothing they change.

#include <functional>

namespace cardwise {

// Runs `beside` on a new thread while `here` runs on this one, and waits for both. False, having
// run neither, when no thread could be started: the caller then does the work alone.
bool RunBeside(const std::function<void()>& beside, const std::function<void()>& here);

}  // namespace cardwise
