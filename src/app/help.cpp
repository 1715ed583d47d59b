#include "app/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace cardwise::app {

namespace {

const char kContentsPage[] = "contents.htm";

// The folder holding the help pages: installed as the program's documentation
// (share/doc/cardwise/help beside its bin folder), else the source tree's docs/help (a program
// run from its build folder). Empty when there is none.
QString HelpDir() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  QStringList candidates = {exeDir + "/../share/doc/cardwise/help"};
#ifdef CARDWISE_SOURCE_HELP
  candidates << QStringLiteral(CARDWISE_SOURCE_HELP);
#endif
  for (const QString& dir : candidates)
    if (QFileInfo::exists(dir + "/" + kContentsPage)) return QDir::cleanPath(dir);
  return {};
}

// Topics are plain words; anything else could name a file outside the help folder.
bool IsPlainTopic(const QString& topic) {
  if (topic.isEmpty()) return false;
  for (QChar c : topic)
    if (!c.isLetterOrNumber() && c != '_' && c != '-') return false;
  return true;
}

}  // namespace

QString HelpPagePath(const QString& topic) {
  const QString dir = HelpDir();
  if (dir.isEmpty()) return {};
  if (IsPlainTopic(topic)) {
    const QString page = dir + "/" + topic.toLower() + ".htm";
    if (QFileInfo::exists(page)) return page;
  }
  return dir + "/" + kContentsPage;
}

QString HomePageUrl() {
  const QString contents = HelpPagePath("CONTENTS");
  return contents.isEmpty() ? QString() : QUrl::fromLocalFile(contents).toString();
}

}  // namespace cardwise::app
