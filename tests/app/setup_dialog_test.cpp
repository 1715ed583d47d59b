#include "app/setup_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <regex>

#include "app_fixture.h"

namespace cardwise::testing {
namespace {

using app::SetupDialog;

class SetupDialogTest : public AppTest {
 protected:
  SetupDialogTest() { setup_.show(); }

  // Clicks a colour field and answers the colour dialog with `color` (cancels it when invalid).
  void Pick(const char* field, const QColor& color) {
    QTimer::singleShot(0, &setup_, [this, color] {
      auto* dialog = setup_.findChild<QColorDialog*>("colorDialog");
      if (dialog == nullptr || !dialog->isVisible()) {
        ADD_FAILURE() << "the colour dialog is not open";
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        return;
      }
      customDuringPick_ = QColorDialog::customColor(0);
      if (!color.isValid()) return dialog->reject();
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
  QColor customDuringPick_;
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

  Find<QLineEdit>(&setup_, "rootDirEdit")->setText("/srv/golf");
  Find<QLineEdit>(&setup_, "headerEdit")->setText("head.htm");
  Find<QLineEdit>(&setup_, "footerEdit")->setText("foot.htm");
  Find<QLineEdit>(&setup_, "ownerEdit")->setText("me@example.org");
  Find<QLineEdit>(&setup_, "authorEdit")->setText("J\u00f6rg");
  Find<QCheckBox>(&setup_, "copyFilesBox")->setChecked(true);
  Find<QCheckBox>(&setup_, "trueColorIconsBox")->setChecked(true);
  Find<QLineEdit>(&setup_, "publishToEdit")->setText("golf@club.example:www/");
  Find<QCheckBox>(&setup_, "publishDeleteBox")->setChecked(true);
  ClickOk();
  const AppSettings& settings = Settings();
  EXPECT_EQ(settings.HtmlRootDir, "/srv/golf");  // as typed, no "/" added
  EXPECT_EQ(settings.StdHeader, "head.htm");
  EXPECT_EQ(settings.StdFooter, "foot.htm");
  EXPECT_EQ(settings.EmailOwner, "me@example.org");
  EXPECT_EQ(settings.Author, "J\xf6rg");
  EXPECT_TRUE(settings.CopyInFooter);
  EXPECT_TRUE(settings.TrueColorIcons);
  EXPECT_EQ(settings.PublishTo, "golf@club.example:www/");
  EXPECT_TRUE(settings.PublishDelete);
  EXPECT_FALSE(setup_.isVisible());
  // Written at once, for cardwise-cli run beside the app.
  const std::string file = dir_.Read("cardwise.ini");
  for (const char* line :
       {"HtmlRootDir=/srv/golf\r\n", "Author=J\xf6rg\r\n", "PublishDelete=1\r\n"})
    EXPECT_NE(file.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace cardwise::testing
