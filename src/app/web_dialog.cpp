#include "app/web_dialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <utility>

#include "app/app_settings.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/status_panel.h"
#include "platform/codepage.h"
#include "platform/status_sink.h"
#include "records/dates.h"
#include "results/database.h"
#include "settings/settings.h"
#include "web/make_pages.h"
#include "web/publish.h"

namespace cardwise::app {

namespace {

const struct {
  const char* Name;
  const char* Caption;
  bool AppSettings::*Setting;
} kBoxes[] = {
    {"longFileNamesBox", "Use long filenames", &AppSettings::UseLongFileNames},
    {"allRoundsBox", "Update all score cards", &AppSettings::AllRounds},
    {"allPlayersBox", "Update all players", &AppSettings::AllPlayers},
    {"allEventsBox", "Update all events", &AppSettings::AllEvents},
    {"allToursBox", "Update all tours", &AppSettings::AllTours},
};

constexpr char kTitle[] = "Cardwise";
constexpr int kSkippedListed = 5;  // the skipped pages named in the message; the rest counted

const QColor kRunning = Qt::yellow;

struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The status texts a run shows when it writes every page: one per course, round, event, tour
// and player page, one per player and year, and one per record listed on the index pages.
// With update-all boxes off fewer pages are written, and the bar fills at the end.
int expectedStatusTexts(const Database& database) {
  std::set<std::pair<std::string, int>> playerYears;
  for (int i = 0; i < database.Rounds.Count(); ++i) {
    const Round& round = database.Rounds.RecordAt(i);
    playerYears.emplace(UpperCase(round.PlayerID), DecodeDate(round.Date).year);
  }
  const int records = database.Courses.Count() + database.Events.Count() + database.Tours.Count() +
                      database.Players.Count();
  return database.Rounds.Count() + static_cast<int>(playerYears.size()) + 2 * records;
}

// The files below the web root: what a first publish sends, the most any publish sends.
int filesBelow(const std::string& root) {
  namespace fs = std::filesystem;
  std::error_code error;
  int count = 0;
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
       it.increment(error))
    count += it->is_regular_file(error) ? 1 : 0;
  return count;
}

// What a run made, and where: the first line of its last message.
QString madeSummary(const MakePagesReport& report, const std::string& root) {
  return QString("%1 page(s) written and %2 kept in %3")
      .arg(report.Written)
      .arg(report.Kept)
      .arg(toQString(root));
}

QString publishSummary(const PublishReport& report) {
  return QString("Published: %1 file(s) sent (%2 bytes), %3 deleted.")
      .arg(report.FilesSent)
      .arg(report.BytesSent)
      .arg(report.FilesDeleted);
}

}  // namespace

WebDialog::WebDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("WebDialog");
  setWindowTitle("Make Web-Pages");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(new QGridLayout);
  createCheckBoxes();
  createButtons();
  createStatusLine();
}

void WebDialog::createCheckBoxes() {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  for (int i = 0; i < 5; ++i) {
    boxes_[i] = new QCheckBox(kBoxes[i].Caption, this);
    boxes_[i]->setObjectName(kBoxes[i].Name);
    grid->addWidget(boxes_[i], i, 0);
  }
  contactsBox_ = new QCheckBox("Publish players' &contact details", this);
  contactsBox_->setObjectName("contactsBox");
  contactsBox_->setToolTip("Their phone numbers and e-mail addresses on the player pages and list");
  grid->addWidget(contactsBox_, 5, 0);
  chartsBox_ = new QCheckBox("Cha&rts on the pages", this);
  chartsBox_->setObjectName("chartsBox");
  chartsBox_->setToolTip("The handicap, score, hole and field charts beside their tables");
  grid->addWidget(chartsBox_, 6, 0);
  publishBox_ = new QCheckBox("Publish after making pages", this);
  publishBox_->setObjectName("publishBox");
  grid->addWidget(publishBox_, 7, 0);
  createLanguageField(grid);
}

void WebDialog::createLanguageField(QGridLayout* grid) {
  languageEdit_ = new QLineEdit(this);
  languageEdit_->setObjectName("languageEdit");
  languageEdit_->setToolTip("The language of the pages, for screen readers: en, sv, en-GB, ...");
  auto* label = new QLabel("Page &language:", this);
  label->setBuddy(languageEdit_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(languageEdit_);
  grid->addLayout(row, 8, 0);
}

void WebDialog::createButtons() {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  auto* ok = new QPushButton("&Make Pages", this);
  ok->setObjectName("okButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { makeSite(); });
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("helpButton");
  connect(help, &QPushButton::clicked, this, [] { openHelp("MAKEPAGES"); });
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("cancelButton");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  grid->addWidget(ok, 0, 1);
  grid->addWidget(help, 1, 1);
  grid->addWidget(cancel, 2, 1);
  grid->setColumnMinimumWidth(1, ok->sizeHint().width());
}

void WebDialog::createStatusLine() {
  progressBar_ = new QProgressBar(this);
  progressBar_->setObjectName("progressBar");
  progressBar_->setRange(0, 1);
  progressBar_->setValue(0);
  statusPanel_ = new StatusPanel(this);
  layout()->addWidget(progressBar_);
  layout()->addWidget(statusPanel_);
}

void WebDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activate();
}

void WebDialog::activate() {
  for (int i = 0; i < 5; ++i)
    boxes_[i]->setChecked(Settings().*kBoxes[i].Setting);
  contactsBox_->setChecked(Settings().PublishContacts);
  chartsBox_->setChecked(Settings().Charts);
  publishBox_->setChecked(Settings().PublishAfterMake);
  languageEdit_->setText(toQString(Settings().Language));
  publishBox_->setEnabled(!Settings().PublishTo.empty());
  publishBox_->setToolTip(Settings().PublishTo.empty() ? "Set \"Publish to\" in Setup first"
                                                       : toQString(Settings().PublishTo));
  statusPanel_->setStatus(statusPanel_->text());
  progressBar_->setValue(0);
}

void WebDialog::storeBoxes() {
  AppSettings& settings = Settings();
  for (int i = 0; i < 5; ++i)
    settings.*kBoxes[i].Setting = boxes_[i]->isChecked();
  settings.PublishContacts = contactsBox_->isChecked();
  settings.Charts = chartsBox_->isChecked();
  settings.PublishAfterMake = publishBox_->isChecked();
  settings.Language = fromQString(languageEdit_->text().trimmed());
}

bool WebDialog::languageIsValid() {
  if (IsLanguageTag(fromQString(languageEdit_->text().trimmed()))) return true;
  Prompts().showError(this, kTitle,
                      "\"" + languageEdit_->text() +
                          "\" is not a language tag. Type the language of the pages as a code "
                          "such as en, sv or en-GB.");
  languageEdit_->setFocus();
  languageEdit_->selectAll();
  return false;
}

// The boxes are written to the settings before the run, so that cardwise-cli makes the same
// site. An empty root would put the site into whatever folder the program was started in.
void WebDialog::makeSite() {
  if (!languageIsValid()) return;
  storeBoxes();
  saveSettingsNow(this);
  if (Settings().HtmlRootDir.empty()) {
    Prompts().showError(this, kTitle, "No root folder for the web pages is set (see Setup).");
    return;
  }
  const bool publish = publishBox_->isEnabled() && publishBox_->isChecked();
  const MakePagesReport report = makePages();
  const QString made = madeSummary(report, Settings().HtmlRootDir);
  if (!report.Skipped.empty())
    reportSkipped(made, report, publish);
  else if (!publish)
    offerSite(made);
  else if (const std::optional<QString> published = Publish(made))
    offerSite(made + "\n" + *published);
  accept();
}

// The last word of a run that went well, with the way to look at what it made.
void WebDialog::offerSite(const QString& text) {
  if (Prompts().showInfoWithAction(this, kTitle, text, "Open site"))
    Prompts().openDocument(toQString(PagePath(Settings(), RootPage())));
}

void WebDialog::runWithProgress(int expectedTexts, const std::function<void()>& job) {
  statusPanel_->makeCurrent();
  statusPanel_->setStatus(statusPanel_->text(), kRunning);
  progressBar_->setRange(0, std::max(1, expectedTexts));
  progressBar_->setValue(0);
  {
    WaitCursor wait;
    // While the job lasts the status texts keep the panel yellow and move the bar on.
    const StatusSink previous = SetStatusSink([this](const std::string& text) {
      statusPanel_->setStatus(toQString(text), kRunning);
      progressBar_->setValue(std::min(progressBar_->value() + 1, progressBar_->maximum()));
      progressBar_->repaint();
    });
    job();
    SetStatusSink(previous);
  }
  progressBar_->setValue(progressBar_->maximum());
}

MakePagesReport WebDialog::makePages() {
  Database database = ProcessDatabase();
  MakePagesReport report;
  runWithProgress(expectedStatusTexts(database), [&] {
    report = MakeAllPages({Settings(), database, Today()});
  });
  return report;
}

// rsync lists each file it sends or deletes: at most every file of the site. A failure is
// shown after what the run made.
std::optional<QString> WebDialog::Publish(const QString& made) {
  PublishReport report;
  cardwise::Status status = cardwise::Status::Ok();
  runWithProgress(filesBelow(Settings().HtmlRootDir),
                  [&] { status = PublishSite(Settings(), PublishOptions(), report); });
  if (!status) {
    statusPanel_->setStatus("Not published.", kRunning);
    Prompts().showError(this, kTitle, made + "\n" + toQString(status.message()));
    return std::nullopt;
  }
  statusPanel_->setStatus(publishSummary(report));
  return publishSummary(report);
}

void WebDialog::reportSkipped(const QString& made, const MakePagesReport& report,
                              bool publishWanted) {
  const int count = static_cast<int>(report.Skipped.size());
  QString text = made + QString("\n%1 page(s) could not be written:").arg(count);
  for (int i = 0; i < std::min(count, kSkippedListed); ++i)
    text += "\n" + toQString(report.Skipped[static_cast<std::size_t>(i)]);
  if (count > kSkippedListed) text += QString("\n... and %1 more.").arg(count - kSkippedListed);
  if (publishWanted) text += "\nThe site was not published.";
  Prompts().showError(this, kTitle, text);
}

}  // namespace cardwise::app
