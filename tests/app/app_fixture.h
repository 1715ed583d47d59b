#pragma once
// The base of the GUI tests: settings, per-user store and data in a temporary folder, the
// process-wide lists emptied, and a prompter whose answers the test queues and whose
// messages it reads back.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <ostream>
#include <string>

#include "app/prompts.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

// Failures show a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace cardwise::testing {

inline bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Answers questions from a queue (No when it is empty) and keeps every text it was shown.
class ScriptedPrompter : public app::Prompter {
 public:
  bool askYesNo(QWidget*, const QString& title, const QString& text) override;
  // Keeps the question and answers with the next of Choices (Cancel when there is none).
  app::EditChoice askSaveDiscard(QWidget*, const QString& title, const QString& text) override;
  void showError(QWidget*, const QString& title, const QString& text) override;
  void showInfo(QWidget*, const QString& title, const QString& text) override;
  QString openFileName(QWidget*, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString saveFileName(QWidget*, const QString& title, const QString& dir,
                       const QString& filter) override;
  void showInfoWithHelp(QWidget*, const QString& title, const QString& text,
                        const QString& topic) override;
  // Keeps "title: text [action]" and answers with the next of Answers (OK when none is left).
  bool showInfoWithAction(QWidget*, const QString& title, const QString& text,
                          const QString& action) override;
  // Keeps "title: prompt=proposed" and answers with the next of Texts (cancels when none).
  bool askText(QWidget*, const QString& title, const QString& prompt, QString& text) override;
  void openDocument(const QString& path) override;

  std::deque<bool> Answers;
  std::deque<app::EditChoice> Choices;
  std::deque<QString> Texts;
  QStringList Opened;  // the files handed to the desktop
  std::deque<QString> FileNames;
  QStringList Shown;  // every question and message, "title: text"
};

class AppTest : public ::testing::Test {
 protected:
  AppTest();
  ~AppTest() override;

  // A child widget of `window` by object name; fails the test when there is none.
  template <class Widget>
  Widget* Find(QWidget* window, const char* name) {
    Widget* widget = window->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << "no widget named " << name;
    return widget;
  }

  // Shows the window and makes it the active one, so that shortcuts and mnemonics reach it.
  static void ShowActive(QWidget* window);
  // Keystrokes as a person types them: each goes to the widget that has the focus then.
  static void Type(const QString& text);
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // Alt + the letter of a label or menu.
  static void Alt(char letter);
  // The demo data shipped with the program, copied into the test's folder (the data folder,
  // under their own names) and loaded into the process-wide lists.
  void LoadDemoCopy();

  TempDir dir_;
  ScopedEnv config_{"XDG_CONFIG_HOME", nullptr};
  ScopedEnv data_{"XDG_DATA_HOME", nullptr};
  ScopedEnv ini_{"CARDWISE_INI", nullptr};
  ScriptedPrompter* prompts_ = nullptr;  // owned by the app while the test runs
  SettingsPaths paths_;
};

}  // namespace cardwise::testing
