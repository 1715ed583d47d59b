#include "app/player_editor.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <functional>

#include "app/status_panel.h"
#include "app_fixture.h"
#include "platform/locale_formats.h"
#include "records/player.h"
#include "records/round.h"
#include "results/event.h"
#include "results/tour.h"

namespace cardwise::testing {
namespace {

constexpr const char* kPlayers =
    "[AA]\r\nID=AA\r\nPlayer=Al Adams\r\nHcp=4.0\r\n"
    "[BC]\r\nID=BC\r\nPlayer=Bea Clark\r\nHcp=12.4\r\nClub=Mill Brook\r\n"
    "[CA]\r\nID=CA\r\nPlayer=Cy Abel\r\n";

class PlayerEditorTest : public AppTest {
 protected:
  PlayerEditorTest() {
    Settings().DataDir = dir_.Path();
    Players().LoadFromFile(dir_.Write("PLAYERS.DAT", kPlayers));
    ShowActive(&editor_);
  }

  QLineEdit* Edit(const char* name) { return Find<QLineEdit>(&editor_, name); }
  QString Text(const char* name) { return Edit(name)->text(); }
  void Trigger(const char* name) { Find<QAction>(&editor_, name)->trigger(); }
  void Post() { Find<QPushButton>(&editor_, "postButton")->click(); }
  bool Posting() { return Find<QPushButton>(&editor_, "postButton")->isVisible(); }
  QScrollBar* Bar() { return Find<QScrollBar>(&editor_, "scrollBar"); }
  QString Status() { return Find<app::StatusPanel>(&editor_, "statusPanel")->text(); }
  QColor StatusColor() {
    return Find<app::StatusPanel>(&editor_, "statusPanel")->palette().color(QPalette::Window);
  }
  std::string File() { return dir_.Read("PLAYERS.DAT"); }
  void Show(const char* id) {
    Edit("findEdit")->clear();
    Edit("findEdit")->setText(id);
  }

  app::PlayerEditor editor_;
};

TEST_F(PlayerEditorTest, FindMovesToTheFirstIdAtOrAfterTheTypedText) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"B", "BC"}, {"BZ", "CA"}, {"a", "AA"}, {"ZZ", "CA"}, {"", "AA"}};
  for (const auto& c : cases) {
    Show(c.typed);
    EXPECT_EQ(Text("idEdit"), c.shown) << c.typed;
    EXPECT_EQ(Text("findEdit"), QString(c.typed).toUpper());
  }
  Show("BC");
  EXPECT_EQ(Text("playerEdit"), "Bea Clark");
  EXPECT_EQ(Text("handicapEdit"), "12.4");
  EXPECT_EQ(Bar()->value(), 1);
  EXPECT_EQ(Bar()->maximum(), 2);
}

// A new record goes with Cancel, or with Discard when Find asks whether to save it.
TEST_F(PlayerEditorTest, ANewRecordIsRemovedByCancelOrByDiscardAndSavedUnderItsIdInSortedPlace) {
  Trigger("newAction");
  EXPECT_EQ(Text("idEdit"), "??");
  EXPECT_FALSE(Edit("idEdit")->isReadOnly());
  EXPECT_EQ(Status(), "New player added, Give ID");
  EXPECT_EQ(StatusColor(), QColor(255, 255, 0));
  EXPECT_EQ(Players().Count(), 4);
  Trigger("cancelAction");
  EXPECT_EQ(Status(), "Add player canceled");
  EXPECT_EQ(Players().FindRecord("??"), nullptr);
  EXPECT_TRUE(Edit("idEdit")->isReadOnly());
  EXPECT_FALSE(Posting());
  EXPECT_FALSE(Find<QAction>(&editor_, "cancelAction")->isEnabled());
  editor_.undo();
  EXPECT_EQ(Status(), "Nothing to Undo!");

  Trigger("newAction");
  Type("ZZ");
  prompts_->Choices = {app::EditChoice::Cancel, app::EditChoice::Discard};
  Show("BC");
  EXPECT_EQ(prompts_->Shown.last(), "Cardwise: The new player has not been saved.\rSave it?");
  EXPECT_EQ(Text("idEdit"), "ZZ");
  EXPECT_TRUE(editor_.isAdding());
  Show("C");
  EXPECT_EQ(Text("idEdit"), "CA");
  EXPECT_FALSE(editor_.isAdding());
  EXPECT_FALSE(Posting());
  EXPECT_EQ(Players().Count(), 3);
  // From the keyboard: the placeholder "??" is selected, so the typed ID replaces it.
  Press(Qt::Key_F9);
  Type("bd");
  Alt('N');
  Type("Bo Dane");
  Press(Qt::Key_Tab);
  Type("12,5");
  Press(Qt::Key_Return);

  EXPECT_EQ(Text("idEdit"), "BD");
  EXPECT_EQ(Bar()->value(), 2);
  EXPECT_EQ(Bar()->maximum(), 3);
  EXPECT_FALSE(Posting());
  EXPECT_TRUE(Edit("idEdit")->isReadOnly());
  EXPECT_EQ(Players().FindRecord("??"), nullptr);
  EXPECT_TRUE(Has(File(), "[BD]\r\nID=BD\r\nPlayer=Bo Dane\r\nHcp=12.5\r\n"));
}

// After a post the handicap field shows what the file holds, whatever was typed: a comma is
// always a decimal point, one decimal is kept, and the locale's separator is written. A number
// beyond single precision would be saved as "inf", which no load reads back: it is 0, not saved.
TEST_F(PlayerEditorTest, TheHandicapShowsAsTheFileHoldsIt) {
  LocaleFormats comma = IsoFormats();
  comma.DecimalSeparator = ',';
  const struct {
    const char* Typed;
    char Separator;
    const char* Stored;  // the Hcp line of the file, "" for none
    const char* Shown;
  } cases[] = {{"18,4", '.', "Hcp=18.4\r\n", "18.4"}, {"18,45", '.', "Hcp=18.5\r\n", "18.5"},
               {" 7 ", '.', "Hcp=7.0\r\n", "7.0"},    {"18.4", ',', "Hcp=18,4\r\n", "18,4"},
               {"18,4", ',', "Hcp=18,4\r\n", "18,4"}, {"1e40", '.', "", "0.0"}};
  for (const auto& c : cases) {
    SetCurrentFormats(c.Separator == ',' ? comma : IsoFormats());
    Show("BC");
    Edit("handicapEdit")->setText(c.Typed);
    Post();
    EXPECT_TRUE(Has(File(), std::string("[BC]\r\nID=BC\r\nPlayer=Bea Clark\r\n") + c.Stored +
                                "Club=Mill Brook\r\n"))
        << c.Typed << "\n"
        << File();
    EXPECT_EQ(Text("handicapEdit"), c.Shown) << c.Typed;
    EXPECT_FALSE(Posting());
  }
  SetCurrentFormats(IsoFormats());
}

// An ID in use is refused and the edit stays; a free one moves the section, keeping the rest.
TEST_F(PlayerEditorTest, RenamingMovesTheSectionUnlessTheIdIsInUse) {
  Show("BC");
  Trigger("editAction");
  Edit("idEdit")->setText("ca");
  Post();
  ASSERT_EQ(prompts_->Shown.size(), 1);
  EXPECT_TRUE(prompts_->Shown[0].contains("CA belongs to another player"))
      << prompts_->Shown[0].toStdString();
  EXPECT_TRUE(Posting());
  EXPECT_EQ(Players().FindRecord("CA")->Name, "Cy Abel");
  EXPECT_EQ(File(), kPlayers);

  Edit("idEdit")->setText("BX");
  Post();
  EXPECT_EQ(Text("idEdit"), "BX");
  EXPECT_EQ(Bar()->value(), 1);
  EXPECT_EQ(Players().Count(), 3);
  EXPECT_EQ(Players().FindRecord("BC"), nullptr);
  EXPECT_EQ(Players().FindRecord("BX")->Club, "Mill Brook");
  EXPECT_FALSE(Has(File(), "[BC]"));
  EXPECT_TRUE(Has(File(), "[BX]\r\nID=BX\r\nPlayer=Bea Clark\r\n"));
}

// Every way away from an edit asks, and each answer does what it says: nothing typed goes
// without the user's word.
TEST_F(PlayerEditorTest, LeavingAnEditAsksSaveDiscardOrCancel) {
  using app::EditChoice;
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"scroll bar", [&] { Bar()->setValue(1); }},
      {"F7", [&] { Trigger("nextAction"); }},
      {"Find ID", [&] { Show("BC"); }},
      {"Ctrl+F4", [&] { Trigger("closeAction"); }},
      {"close button", [&] { editor_.close(); }},
  };
  int n = 0;
  for (const auto& [way, leave] : ways) {
    for (const EditChoice choice : {EditChoice::Cancel, EditChoice::Discard, EditChoice::Save}) {
      SCOPED_TRACE(std::string(way) + " " + std::to_string(static_cast<int>(choice)));
      ShowActive(&editor_);
      Show("AA");
      const QString typed = QString("Al Typed %1").arg(++n);
      Edit("playerEdit")->setText(typed);
      prompts_->Choices = {choice};
      leave();
      EXPECT_EQ(prompts_->Shown.last(),
                "Cardwise: The changes to player AA have not been saved.\rSave them?");
      const bool saved = Has(File(), "Player=" + typed.toStdString());
      EXPECT_EQ(saved, choice == EditChoice::Save);
      if (choice == EditChoice::Cancel) {
        EXPECT_TRUE(editor_.isVisible());
        EXPECT_TRUE(Posting());
        EXPECT_EQ(Text("idEdit"), "AA");
        EXPECT_EQ(Text("playerEdit"), typed);
      }
      EXPECT_EQ(Players().FindRecord("AA")->Name == typed.toStdString(), saved);
      if (editor_.isEdited()) Trigger("cancelAction");
    }
  }
}

// The records that use a player are counted in the question and left as they are.
TEST_F(PlayerEditorTest, DeleteAsksFirstCountingWhatUsesThePlayerAndOnlyYesDeletes) {
  const std::string rounds = "[260510-0900-AA]\r\nID=260510-0900-AA\r\nPlayerID=aa\r\n";
  Rounds().LoadFromFile(dir_.Write("ROUNDS.DAT", rounds));
  Events().LoadFromFile(dir_.Write("EVENTS.DAT", "[E1]\r\nID=E1\r\n1=1;72;AA;;\r\n"));
  Tours().LoadFromFile(dir_.Write("TOURS.DAT", "[T1]\r\nID=T1\r\n1=1;25;1;AA;\r\n"));
  const char* used =
      "Confirm: Al Adams has 1 round, 1 event result and 1 tour line; they stay and will show "
      "the ID only. Delete the player?";
  const char* unused = "Confirm: About to delete: Bea Clark\rAre you sure?";
  const struct {
    const char* id;
    bool answer;
    const char* question;
    const char* shownAfter;
  } cases[] = {{"AA", false, used, "AA"},
               {"BC", false, unused, "BC"},
               {"BC", true, unused, "CA"},
               {"AA", true, used, "CA"}};
  for (const auto& c : cases) {
    Show(c.id);
    prompts_->Shown.clear();
    prompts_->Answers = {c.answer};
    Trigger("deleteAction");
    ASSERT_EQ(prompts_->Shown.size(), 1);
    EXPECT_EQ(prompts_->Shown[0], c.question);
    EXPECT_EQ(Has(File(), std::string("[") + c.id + "]"), !c.answer) << c.id;
    EXPECT_EQ(Text("idEdit"), c.shownAfter);
  }
  EXPECT_EQ(Players().Count(), 1);
  EXPECT_EQ(dir_.Read("ROUNDS.DAT"), rounds);
  EXPECT_EQ(Rounds().Count(), 1);
}

}  // namespace
}  // namespace cardwise::testing
