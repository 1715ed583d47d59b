#include "app_fixture.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <cstdlib>

#include "app/application.h"
#include "platform/files.h"
#include "platform/locale_formats.h"
#include "results/database.h"
#include "results/startup.h"

namespace cardwise::testing {

// The next of a queue of answers, or `otherwise` when none is left.
template <class T>
T Next(std::deque<T>& queue, T otherwise) {
  if (queue.empty()) return otherwise;
  const T next = queue.front();
  queue.pop_front();
  return next;
}

bool ScriptedPrompter::askYesNo(QWidget*, const QString& title, const QString& text) {
  Shown << title + ": " + text;
  return Next(Answers, false);
}

app::EditChoice ScriptedPrompter::askSaveDiscard(QWidget*, const QString& title,
                                                 const QString& text) {
  Shown << title + ": " + text;
  return Next(Choices, app::EditChoice::Cancel);
}

void ScriptedPrompter::showError(QWidget*, const QString& title, const QString& text) {
  Shown << title + ": " + text;
}

void ScriptedPrompter::showInfo(QWidget*, const QString& title, const QString& text) {
  Shown << title + ": " + text;
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& title, const QString&,
                                       const QString&) {
  Shown << title;
  return Next(FileNames, QString());
}

QString ScriptedPrompter::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                       const QString& filter) {
  return openFileName(parent, title, dir, filter);
}

void ScriptedPrompter::showInfoWithHelp(QWidget*, const QString& title, const QString& text,
                                        const QString& topic) {
  Shown << title + ": " + text + " [help " + topic + "]";
}

bool ScriptedPrompter::showInfoWithAction(QWidget*, const QString& title, const QString& text,
                                          const QString& action) {
  Shown << title + ": " + text + " [" + action + "]";
  return Next(Answers, false);
}

bool ScriptedPrompter::askText(QWidget*, const QString& title, const QString& prompt,
                               QString& text) {
  Shown << title + ": " + prompt + "=" + text;
  if (Texts.empty()) return false;
  text = Next(Texts, QString());
  return true;
}

void ScriptedPrompter::openDocument(const QString& path) {
  Opened << path;
}

AppTest::AppTest() {
  setenv("XDG_CONFIG_HOME", dir_.File("config").c_str(), 1);
  setenv("XDG_DATA_HOME", dir_.File("share").c_str(), 1);
  SetCurrentFormats(IsoFormats());
  paths_ = ResolveSettingsPaths(dir_.File("cardwise.ini"));
  app::setAppPaths(paths_);
  Settings() = AppSettings();
  ClearDatabase(ProcessDatabase());
  auto prompter = std::make_unique<ScriptedPrompter>();
  prompts_ = prompter.get();
  app::setPrompter(std::move(prompter));
}

// A dialog that has just closed may still count as the active window here (no window manager
// hands the activation back), so the window is asked for it until it has it.
void AppTest::ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  window->windowHandle()->requestActivate();
  EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
}

void AppTest::Type(const QString& text) {
  for (const QChar c : text) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the focus for " << text.toStdString();
    QTest::keyClick(focus, c.toLatin1());
  }
}

void AppTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "nothing has the focus";
  QTest::keyClick(focus, key, modifiers);
}

void AppTest::Alt(char letter) {
  Press(static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')), Qt::AltModifier);
}

void AppTest::LoadDemoCopy() {
  AppSettings& settings = Settings();
  settings.DataDir = dir_.Path();
  settings.PlayerFName = "DEMOP.DAT";
  settings.CourseFName = "DEMOC.DAT";
  settings.RoundFName = "DEMOR.DAT";
  settings.EventFName = "DEMOE.DAT";
  settings.TourFName = "DEMOT.DAT";
  for (const char* name : {"DEMOP.DAT", "DEMOC.DAT", "DEMOR.DAT", "DEMOE.DAT", "DEMOT.DAT"})
    ASSERT_TRUE(CopyFile(ShippedFilesDir() + "demo/" + name, dir_.File(name)).ok()) << name;
  LoadDatabase(ProcessDatabase(), settings);
}

AppTest::~AppTest() {
  app::setPrompter(std::make_unique<app::Prompter>());
  ClearDatabase(ProcessDatabase());
  Settings() = AppSettings();
}

}  // namespace cardwise::testing
