#include "app/problem_list.h"

#include "app/prompts.h"
#include "app/qt_text.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";
constexpr int kMaxListedProblems = 30;

}  // namespace

QString ProblemListing(const QString& heading, const QStringList& lines) {
  QString text = heading + "\n\n" + lines.mid(0, kMaxListedProblems).join('\n');
  if (lines.size() > kMaxListedProblems)
    text += QString("\n... and %1 more.").arg(lines.size() - kMaxListedProblems);
  return text;
}

void ShowLoadProblems(QWidget* parent, std::span<const LoadReport> reports) {
  QStringList lines;
  for (const LoadReport& report : reports)
    for (const std::string& message : report.Messages())
      lines << ToQString(message);
  if (lines.isEmpty()) return;
  Prompts().ShowError(parent, kTitle, ProblemListing("Some data could not be read:", lines));
}

}  // namespace cardwise::app
