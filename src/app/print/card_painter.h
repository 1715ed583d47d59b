#pragma once
// Paints scorecards (results/cards.h) on a paged device: the PDF writer of card_printing.h and
// the printer of the event editor's "Print cards..." share it.

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <vector>

#include "results/cards.h"

namespace cardwise {

// The page layout of the cards on the setting's paper ("Letter", else A4), portrait, with
// margins of 10 mm.
QPageLayout cardPageLayout(const std::string& paper);

// Paints the cards two to a page on `device`, which the painter is open on, starting a new
// page after every second card.
void paintCards(QPainter& painter, QPagedPaintDevice& device, const std::vector<Card>& cards);

}  // namespace cardwise
