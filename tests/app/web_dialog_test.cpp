// The dialogs of the web site and of the set-up.

#include "app/web_dialog.h"

#include <gmock/gmock.h>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <regex>

#include "app/setup_dialog.h"
#include "app/status_panel.h"
#include "app_fixture.h"
#include "platform/files.h"
#include "results/database.h"
#include "web/site.h"

namespace cardwise::testing {
namespace {

using app::WebDialog;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

constexpr const char* kBoxNames[] = {"longFileNamesBox", "allRoundsBox", "allPlayersBox",
                                     "allEventsBox", "allToursBox"};
constexpr bool AppSettings::*kBoxSettings[] = {&AppSettings::UseLongFileNames,
                                               &AppSettings::AllRounds, &AppSettings::AllPlayers,
                                               &AppSettings::AllEvents, &AppSettings::AllTours};

// The demo database shipped with the program, in the test's folder and the process-wide lists.
class WebDialogTest : public AppTest {
 protected:
  WebDialogTest() {
    LoadDemoCopy();
    Settings().TemplateDir = dir_.File("template/");
    Settings().HtmlRootDir = dir_.File("web/");
  }

  void makePages() { Find<QPushButton>(&html_, "okButton")->click(); }
  std::string Page(char indexKind) {
    return PagePath(Settings(), IndexPage(Settings(), indexKind));
  }

  WebDialog html_;
};

// A language that is no language tag is refused with a message, and nothing is made. The boxes
// and the language reach the settings file before the run; the run ends with one message that
// tells what was made where and offers the site, whose front page "Open site" hands to the
// browser.
TEST_F(WebDialogTest, MakesTheDemoSiteStoresTheBoxesAndOffersTheSite) {
  ASSERT_GT(ProcessDatabase().Rounds.Count(), 1) << "no demo data in " << Settings().DataDir;
  Settings().AllRounds = true;
  html_.show();
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Find<QCheckBox>(&html_, kBoxNames[i])->isChecked(), i == 1) << kBoxNames[i];
  EXPECT_FALSE(Find<QCheckBox>(&html_, "contactsBox")->isChecked());
  auto* language = Find<QLineEdit>(&html_, "languageEdit");
  EXPECT_EQ(language->text(), "en");
  language->setText("en_GB");
  makePages();
  ASSERT_EQ(prompts_->Shown.size(), 1);
  EXPECT_TRUE(prompts_->Shown.front().contains("\"en_GB\" is not a language tag"));
  EXPECT_TRUE(html_.isVisible());
  EXPECT_EQ(Settings().Language, "en");
  EXPECT_FALSE(FileExists(Page('p')));

  prompts_->Shown.clear();
  language->setText(" sv-SE ");
  const bool boxes[] = {true, false, true, false, true};
  for (int i = 0; i < 5; ++i)
    Find<QCheckBox>(&html_, kBoxNames[i])->setChecked(boxes[i]);
  Find<QCheckBox>(&html_, "contactsBox")->setChecked(true);
  prompts_->Answers = {true};
  makePages();
  EXPECT_EQ(Settings().Language, "sv-SE");
  EXPECT_THAT(dir_.Read("cardwise.ini"), HasSubstr("Language=sv-SE\r\n"));
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(Settings().*kBoxSettings[i], boxes[i]) << kBoxNames[i];
  EXPECT_TRUE(Settings().PublishContacts);
  EXPECT_THAT(dir_.Read("cardwise.ini"), HasSubstr("PublishContacts=1\r\n"));
  EXPECT_THAT(dir_.Read("config/Hollowfen/cardwise.ini"), HasSubstr("AllTours=1\r\n"));
  for (char kind : {'t', 'p', 'e', 'c'})
    EXPECT_TRUE(FileExists(Page(kind))) << Page(kind);
  EXPECT_EQ(Page('p').substr(Page('p').size() - 5), ".html");  // long names were chosen
  const std::string players = dir_.Read("web/" + Page('p').substr(Settings().HtmlRootDir.size()));
  EXPECT_THAT(players, HasSubstr("mailto:"));
  EXPECT_THAT(players, HasSubstr("<HTML lang=\"sv-SE\">"));
  EXPECT_EQ(html_.result(), QDialog::Accepted);
  EXPECT_FALSE(html_.isVisible());
  ASSERT_EQ(prompts_->Shown.size(), 1);
  EXPECT_THAT(prompts_->Shown.front().toStdString(),
              MatchesRegex("Cardwise: [0-9]{3,} page\\(s\\) written and 0 kept in " +
                           Settings().HtmlRootDir + " \\[Open site\\]"));
  EXPECT_EQ(prompts_->Opened, QStringList{QString::fromStdString(dir_.File("web/index.html"))});
  EXPECT_TRUE(FileExists(dir_.File("web/index.html")));
  auto* bar = Find<QProgressBar>(&html_, "progressBar");
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(app::StatusPanel::current(), html_.Status());
}

TEST_F(WebDialogTest, PublishesAfterMakingPagesWhenATargetIsSet) {
  html_.show();
  auto* publish = Find<QCheckBox>(&html_, "publishBox");
  EXPECT_FALSE(publish->isEnabled());  // no target yet

  Settings().PublishTo = dir_.File("server/");
  html_.hide();
  html_.show();
  ASSERT_TRUE(publish->isEnabled());
  publish->setChecked(true);
  makePages();
  EXPECT_TRUE(Settings().PublishAfterMake);
  ASSERT_EQ(prompts_->Shown.size(), 1);
  EXPECT_THAT(prompts_->Shown.front().toStdString(),
              MatchesRegex("Cardwise: .* kept in .*\nPublished: [0-9]+ file\\(s\\) sent .*"));
  EXPECT_TRUE(prompts_->Opened.isEmpty()) << "the site is opened only when asked to";
  const std::string page = Page('p').substr(Settings().HtmlRootDir.size());
  EXPECT_TRUE(FileExists(dir_.File("server/") + page)) << page;
  EXPECT_TRUE(html_.Status()->text().startsWith("Published: "));
}

using app::SetupDialog;

class SetupDialogTest : public AppTest {
 protected:
  SetupDialogTest() { setup_.show(); }

  // Clicks a colour field and answers the colour dialog with `color`.
  void Pick(const char* field, const QColor& color) {
    QTimer::singleShot(0, &setup_, [this, color] {
      auto* dialog = setup_.findChild<QColorDialog*>("colorDialog");
      if (dialog == nullptr || !dialog->isVisible()) {
        ADD_FAILURE() << "the colour dialog is not open";
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        return;
      }
      dialog->setCurrentColor(color);
      dialog->accept();
    });
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(Find<QLineEdit>(&setup_, field), &space);
  }

  QColor Background(const char* field) {
    return Find<QLineEdit>(&setup_, field)->palette().color(QPalette::Base);
  }
  QColor fontColor(const char* field) {
    return Find<QLineEdit>(&setup_, field)->palette().color(QPalette::Text);
  }
  void ClickOk() { Find<QPushButton>(&setup_, "okButton")->click(); }

  SetupDialog setup_;
};

TEST_F(SetupDialogTest, PickedColoursReachTheSettingsOnOk) {
  const QColor picked(0x12, 0x34, 0x56);
  const struct {
    const char* Field;
    ColorKey Changed;
  } cases[] = {{"eagleColorEdit", ColorKey::Score_2}, {"totalColorEdit", ColorKey::Total}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Field);
    Settings() = AppSettings();
    setup_.hide();
    setup_.show();
    Pick(c.Field, picked);
    ClickOk();
    for (std::size_t key = 0; key < kColorCount; ++key) {
      const std::string expected = static_cast<ColorKey>(key) == c.Changed
                                       ? "123456"
                                       : AppSettings().ColorText[key].substr(1);
      EXPECT_EQ(Settings().ColorText[key], expected) << ColorKeyName(static_cast<ColorKey>(key));
    }
  }
  // The total colour is the background of the three samples; their fonts stay.
  for (const char* sample : {"underParColorEdit", "parTotalColorEdit", "overParColorEdit"})
    EXPECT_EQ(Background(sample), picked) << sample;
  EXPECT_EQ(fontColor("underParColorEdit"), QColor(0x88, 0x00, 0x00));
}

TEST_F(SetupDialogTest, TextFieldsAndSwitchesAreStoredOnlyOnOk) {
  Settings().Author = "Old";
  setup_.hide();
  setup_.show();
  Find<QLineEdit>(&setup_, "authorEdit")->setText("Someone Else");
  setup_.hide();  // closed without OK: dropped at the next activation
  setup_.show();
  EXPECT_EQ(Find<QLineEdit>(&setup_, "authorEdit")->text(), "Old");

  const std::pair<const char*, const char*> typed[] = {
      {"rootDirEdit", "/srv/golf"}, {"headerEdit", "head.htm"},
      {"footerEdit", "foot.htm"},   {"ownerEdit", "me@example.org"},
      {"authorEdit", "J\u00f6rg"},  {"publishToEdit", "golf@club.example:www/"}};
  for (const auto& [field, text] : typed)
    Find<QLineEdit>(&setup_, field)->setText(text);
  for (const char* box : {"copyFilesBox", "trueColorIconsBox", "publishDeleteBox"})
    Find<QCheckBox>(&setup_, box)->setChecked(true);
  ClickOk();
  const AppSettings& set = Settings();  // the root as typed, no "/" added
  EXPECT_EQ(set.HtmlRootDir + "|" + set.StdHeader + "|" + set.StdFooter + "|" + set.EmailOwner +
                "|" + set.Author + "|" + set.PublishTo,
            "/srv/golf|head.htm|foot.htm|me@example.org|J\xf6rg|golf@club.example:www/");
  EXPECT_TRUE(set.CopyInFooter && set.TrueColorIcons && set.PublishDelete);
  EXPECT_FALSE(setup_.isVisible());
  // Written at once, for cardwise-cli run beside the app.
  const std::string file = dir_.Read("cardwise.ini");
  for (const char* line :
       {"HtmlRootDir=/srv/golf\r\n", "Author=J\xf6rg\r\n", "PublishDelete=1\r\n"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace cardwise::testing
