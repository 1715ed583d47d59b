// Start-up, shutdown, the main window and its demo and import windows, on temporary settings
// and data folders.

#include <gmock/gmock.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include "app/application.h"
#include "app/button_images.h"
#include "app/course_editor.h"
#include "app/demo_dialog.h"
#include "app/event_editor.h"
#include "app/import_window.h"
#include "app/main_window.h"
#include "app/player_editor.h"
#include "app/round_editor.h"
#include "app/setup_dialog.h"
#include "app/status_panel.h"
#include "app/tour_editor.h"
#include "app/web_dialog.h"
#include "app/weights_dialog.h"
#include "app_fixture.h"
#include "platform/files.h"
#include "results/database.h"

namespace cardwise::testing {
namespace {

class ShellTest : public AppTest {
 protected:
  ~ShellTest() override { app::shutDown(); }

  // A settings file whose data folder is ours.
  std::string UseDataDir(const std::string& dataDir) {
    dir_.Write("cardwise.ini", "[Dirs]\r\nDataDir=" + dataDir + "\r\n");
    return dataDir;
  }
  app::MainWindow* Main() { return app::Windows().mainWindow; }
  std::vector<int> ListCounts() {
    const Database db = ProcessDatabase();
    return {db.Players.Count(), db.Courses.Count(), db.Rounds.Count(), db.Events.Count(),
            db.Tours.Count()};
  }
};

// A first start makes the folders and says what to do next; the player editor offers the first
// player to add, not the list's placeholder "??"; the demo button loads the demo, which the
// title and the settings file then name.
TEST_F(ShellTest, FirstStartOffersTheFirstStepsUntilThereAreRecords) {
  ASSERT_TRUE(app::startUp(false));
  EXPECT_TRUE(prompts_->Shown.isEmpty()) << prompts_->Shown.join("\n").toStdString();
  for (const std::string* dir :
       {&Settings().DataDir, &Settings().TemplateDir, &Settings().HtmlRootDir})
    EXPECT_TRUE(DirectoryExists(*dir)) << *dir;
  EXPECT_EQ(ListCounts(), std::vector<int>(5, 1));
  ShowActive(Main());
  EXPECT_TRUE(Find<QWidget>(Main(), "firstSteps")->isVisible());
  EXPECT_FALSE(Find<QLabel>(Main(), "statusPanel")->text().isEmpty());
  Find<QToolButton>(Main(), "playersButton")->click();
  app::PlayerEditor* players = app::Windows().playerEditor;
  ShowActive(players);
  EXPECT_TRUE(players->isAdding());
  EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(players, "idEdit"));
  Type("TR");
  EXPECT_EQ(Find<QLineEdit>(players, "idEdit")->text(), "TR");
  Press(Qt::Key_F12);  // cancelled: the list is empty, and so is the editor
  EXPECT_EQ(Find<QLineEdit>(players, "idEdit")->text(), "");
  players->close();
  Find<QToolButton>(Main(), "coursesButton")->click();
  ShowActive(app::Windows().courseEditor);
  EXPECT_TRUE(app::Windows().courseEditor->isAdding());
  app::Windows().courseEditor->close();  // offered, nothing typed: it goes without a question
  EXPECT_FALSE(app::Windows().courseEditor->isVisible());
  EXPECT_TRUE(prompts_->Shown.isEmpty()) << prompts_->Shown.join("\n").toStdString();

  Find<QPushButton>(Main(), "loadDemoButton")->click();
  EXPECT_EQ(Settings().RoundFName, "DEMOR.DAT");
  // In the settings file at once: cardwise-cli run now works on the demo data too.
  EXPECT_THAT(dir_.Read("cardwise.ini"), ::testing::HasSubstr("RoundFName=DEMOR.DAT\r\n"));
  EXPECT_EQ(Main()->windowTitle(), "Cardwise in Web format - demo data");
  EXPECT_FALSE(Find<QWidget>(Main(), "firstSteps")->isVisible());
}

// Exit with an edit pending: the editor comes up and asks; Cancel keeps the program running.
TEST_F(ShellTest, ExitAsksAboutAnEditInProgress) {
  ASSERT_TRUE(app::startUp(false));
  ShowActive(Main());
  Find<QPushButton>(Main(), "loadDemoButton")->click();
  app::PlayerEditor* players = app::Windows().playerEditor;
  ShowActive(players);
  Find<QLineEdit>(players, "phoneEdit")->setText("555 0101");
  players->hide();  // out of sight, still editing
  prompts_->Choices = {app::EditChoice::Cancel, app::EditChoice::Save};
  Find<QAction>(Main(), "exitAction")->trigger();
  EXPECT_TRUE(Main()->isVisible());
  EXPECT_TRUE(players->isVisible());
  EXPECT_TRUE(players->isEdited());
  Find<QAction>(Main(), "exitAction")->trigger();
  EXPECT_FALSE(Main()->isVisible());
  std::string saved;
  ASSERT_TRUE(ReadWholeFile(DataFilePath(Settings(), kPlayersFile), saved).ok());
  EXPECT_NE(saved.find("555 0101"), std::string::npos);
}

// Start-up lists the unreadable lines of every file in one box; each Database command then saves
// what it can, and one box lists the records it left as they were.
TEST_F(ShellTest, UnreadableRecordsAreListedInOneBoxAndLeftAlone) {
  const std::string data = UseDataDir(dir_.File("data/"));
  CreateDirectories(data);
  const std::string bad = "[BAD]\r\nID=BAD\r\nType=none\r\n";
  dir_.Write("data/EVENTS.DAT", bad + "[CUP]\r\nID=CUP\r\nType=0\r\n");
  dir_.Write("data/PLAYERS.DAT", "[A]\r\nID=A\r\nNick=Al\r\n");
  dir_.Write("data/TOURS.DAT", "stray line\r\n[T1]\r\nID=T1\r\n");
  dir_.Write("data/ROUNDS.DAT",
             "[250601-0900-A]\r\nID=250601-0900-A\r\nPlayerID=A\r\nHcp=4.0\r\nEventID=CUP\r\n"
             "Score=4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4\r\n");
  ASSERT_TRUE(app::startUp(false));
  ASSERT_EQ(prompts_->Shown.size(), 1);
  for (const char* line : {"PLAYERS.DAT:3", "EVENTS.DAT:3", "TOURS.DAT:1"})
    EXPECT_TRUE(prompts_->Shown.front().contains(QString::fromStdString(data) + line))
        << prompts_->Shown.front().toStdString();
  EXPECT_EQ(ProcessDatabase().Players.KeyAt(0), "A");
  const struct {
    const char* Item;
    std::string Listed;  // "" when nothing is left alone
  } cases[] = {
      {"recalcEventsAction",
       data + "EVENTS.DAT:3: not a whole number: Type=none (BAD left as it was)"},
      {"updateHandicapsAction", data + "PLAYERS.DAT:3: unknown key: Nick=Al (A left as it was)"},
      {"recalcToursAction", ""}};
  for (const auto& c : cases) {
    prompts_->Shown.clear();
    Find<QAction>(Main(), c.Item)->trigger();
    if (c.Listed.empty()) {
      EXPECT_TRUE(prompts_->Shown.isEmpty()) << c.Item;
      continue;
    }
    ASSERT_EQ(prompts_->Shown.size(), 1) << c.Item;
    EXPECT_TRUE(prompts_->Shown.front().contains(QString::fromStdString(c.Listed)))
        << prompts_->Shown.front().toStdString();
  }
  const std::string events = dir_.Read("data/EVENTS.DAT");
  EXPECT_EQ(events.rfind(bad, 0), 0u) << events;
  EXPECT_NE(events.find("1=1;72;A;250601-0900-A;"), std::string::npos) << events;
  EXPECT_EQ(dir_.Read("data/PLAYERS.DAT"), "[A]\r\nID=A\r\nNick=Al\r\n");
}

// The captions Alt reaches in one window: its menu bar, labels, buttons and group titles.
QStringList CaptionsOf(QWidget* window) {
  QStringList captions;
  if (auto* main = qobject_cast<QMainWindow*>(window))
    for (QAction* menu : main->menuBar()->actions())
      captions << menu->text();
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->buddy() && label->window() == window) captions << label->text();
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (button->window() == window) captions << button->text();
  for (QGroupBox* box : window->findChildren<QGroupBox*>())
    if (box->window() == window) captions << box->title();
  return captions;
}

TEST_F(ShellTest, NoWindowUsesALetterTwice) {
  ASSERT_EQ(QKeySequence::mnemonic("Save && &Close"), QKeySequence(Qt::ALT | Qt::Key_C));
  ASSERT_TRUE(app::startUp(false));
  const app::AppWindows& w = app::Windows();
  for (QWidget* window : std::initializer_list<QWidget*>{
           w.mainWindow, w.roundEditor, w.playerEditor, w.courseEditor, w.eventEditor, w.tourEditor,
           w.webDialog, w.weightsDialog, w.importWindow, w.demoDialog, w.setupDialog}) {
    QMap<QKeySequence, QString> seen;
    for (const QString& caption : CaptionsOf(window)) {
      const QKeySequence key = QKeySequence::mnemonic(caption);
      if (key.isEmpty()) continue;
      EXPECT_FALSE(seen.contains(key)) << window->objectName().toStdString() << ": "
                                       << seen[key].toStdString() << " / " << caption.toStdString();
      seen[key] = caption;
    }
  }
}

// The import window: the four steps on the shipped sample DX files, a missing file, and a record
// with a date that cannot be read.

// The records of a list, its placeholder not counted.
template <class List>
int Imported(const List& list) {
  int index = 0;
  return list.Count() - (list.Find("??", index) ? 1 : 0);
}

class ImportWindowTest : public AppTest {
 protected:
  ImportWindowTest() {
    Settings().DataDir = dir_.Path();
    LoadDatabase(ProcessDatabase(), Settings());  // the lists know their files, as at start-up
    app::StatusPanel::installCoreSink();
    ShowActive(&window_);
  }

  app::ImportWindow window_;
};

TEST_F(ImportWindowTest, TheFourStepsImportTheSampleFiles) {
  EXPECT_TRUE(Find<QLineEdit>(&window_, "courseFileEdit")->text().endsWith("/CARDWS/BANA.DX"));
  const QString dx = QString(CARDWISE_DATA_DIR) + "dx/";
  Find<QLineEdit>(&window_, "courseFileEdit")->setText(dx + "BANA.DX");
  Find<QLineEdit>(&window_, "roundFileEdit")->setText(dx + "ROND.DX");
  const struct {
    const char* Button;
    const char* Opened;  // the data file shown in the text editor, none after the rounds
    int (*Count)();
    int Expected;
  } steps[] = {
      {"courseImportButton", "COURSES.DAT", [] { return Imported(Courses()); }, 0},  // not reloaded
      {"playerImportButton", "PLAYERS.DAT", [] { return Imported(Players()); }, 5},
      {"eventImportButton", "EVENTS.DAT", [] { return Imported(Events()); }, 3},
      {"roundImportButton", nullptr, [] { return Imported(Rounds()); }, 12},
  };
  for (const auto& step : steps) {
    prompts_->Opened.clear();
    Find<QPushButton>(&window_, step.Button)->click();
    EXPECT_TRUE(prompts_->Shown.isEmpty()) << prompts_->Shown.join("\n").toStdString();
    if (step.Opened) {
      ASSERT_EQ(prompts_->Opened.size(), 1) << step.Button;
      EXPECT_EQ(prompts_->Opened[0], QString::fromStdString(dir_.File(step.Opened)));
    } else {
      EXPECT_TRUE(prompts_->Opened.isEmpty());
    }
    EXPECT_EQ(step.Count(), step.Expected) << step.Button;
  }
  EXPECT_FALSE(Find<app::StatusPanel>(&window_, "statusPanel")->text().isEmpty());
}

}  // namespace
}  // namespace cardwise::testing
