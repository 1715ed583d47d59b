#pragma once
// Message boxes that list the problems of a load or a batch command.

#include <QString>
#include <QStringList>
#include <span>

#include "records/record_io.h"

class QWidget;

namespace cardwise::app {

// The heading, a blank line and the first 30 lines, then how many were left out.
QString problemListing(const QString& heading, const QStringList& lines);

// One error box listing every line the loads could not read ("file:line: what: text"), and
// every file that could not be read; nothing when all loads were clean.
void showLoadProblems(QWidget* parent, std::span<const LoadReport> reports);

}  // namespace cardwise::app
