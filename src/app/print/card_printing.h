#pragma once
// Printed scorecards (results/cards.h) as a PDF, written with Qt's own PDF writer: two cards
// to a page, one above the other, to be cut apart, on A4 or Letter paper (the setting
// [Print] Paper). This header holds no Qt type, so that cardwise-cli can call it.

#include <string>
#include <vector>

#include "platform/status.h"
#include "results/cards.h"

namespace cardwise {

// Writes the cards into a PDF at `path`, replaced atomically. `paper` is the setting's value
// ("Letter", else A4). Needs a Qt GUI application object (the app's).
Status WriteCardsPdf(const std::vector<Card>& cards, const std::string& paper,
                     const std::string& path);

// WriteCardsPdf for a process without one: makes a GUI application object on the offscreen
// platform for the call (cardwise-cli cards).
Status WriteCardsPdfWithoutDisplay(const std::vector<Card>& cards, const std::string& paper,
                                   const std::string& path);

}  // namespace cardwise
