#include "app/problem_list.h"

#include "app/prompts.h"
#include "app/qt_text.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";
constexpr int kMaxListedProblems = 30;

}  // namespace

QString problemListing(const QString& heading, const QStringList& lines) {
  QString text = heading + "\n\n" + lines.mid(0, kMaxListedProblems).join('\n');
  if (lines.size() > kMaxListedProblems)
    text += QString("\n... and %1 more.").arg(lines.size() - kMaxListedProblems);
  return text;
}

void showLoadProblems(QWidget* parent, std::span<const LoadReport> reports) {
  QStringList lines;
  for (const LoadReport& report : reports)
    for (const std::string& message : report.Messages())
      lines << toQString(message);
  if (lines.isEmpty()) return;
  Prompts().showError(parent, kTitle, problemListing("Some data could not be read:", lines));
}

}  // namespace cardwise::app
