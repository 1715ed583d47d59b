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
QString helpDir() {
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
bool isPlainTopic(const QString& topic) {
  if (topic.isEmpty()) return false;
  for (QChar c : topic)
    if (!c.isLetterOrNumber() && c != '_' && c != '-') return false;
  return true;
}

}  // namespace

QString helpPagePath(const QString& topic) {
  const QString dir = helpDir();
  if (dir.isEmpty()) return {};
  if (isPlainTopic(topic)) {
    const QString page = dir + "/" + topic.toLower() + ".htm";
    if (QFileInfo::exists(page)) return page;
  }
  return dir + "/" + kContentsPage;
}

QString homePageUrl() {
  const QString contents = helpPagePath("CONTENTS");
  return contents.isEmpty() ? QString() : QUrl::fromLocalFile(contents).toString();
}

}  // namespace cardwise::app
