#include "app/web_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
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
  bool TSettings::*Setting;
} kBoxes[] = {
    {"CBuselongfilenames", "Use long filenames", &TSettings::UseLongFileNames},
    {"CBallrounds", "Update all score cards", &TSettings::AllRounds},
    {"CBallplayers", "Update all players", &TSettings::AllPlayers},
    {"CBallevents", "Update all events", &TSettings::AllEvents},
    {"CBalltours", "Update all tours", &TSettings::AllTours},
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
int ExpectedStatusTexts(const TDatabase& database) {
  std::set<std::pair<std::string, int>> playerYears;
  for (int i = 0; i < database.Rounds.Count(); ++i) {
    const TRound& round = database.Rounds.RecordAt(i);
    playerYears.emplace(UpperCase(round.PlayerID), DecodeDate(round.Date).year);
  }
  const int records = database.Courses.Count() + database.Events.Count() + database.Tours.Count() +
                      database.Players.Count();
  return database.Rounds.Count() + static_cast<int>(playerYears.size()) + 2 * records;
}

// The files below the web root: what a first publish sends, the most any publish sends.
int FilesBelow(const std::string& root) {
  namespace fs = std::filesystem;
  std::error_code error;
  int count = 0;
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end;
       it.increment(error))
    count += it->is_regular_file(error) ? 1 : 0;
  return count;
}

// What a run made, and where: the first line of its last message.
QString MadeSummary(const MakePagesReport& report, const std::string& root) {
  return QString("%1 page(s) written and %2 kept in %3")
      .arg(report.Written)
      .arg(report.Kept)
      .arg(ToQString(root));
}

QString PublishSummary(const PublishReport& report) {
  return QString("Published: %1 file(s) sent (%2 bytes), %3 deleted.")
      .arg(report.FilesSent)
      .arg(report.BytesSent)
      .arg(report.FilesDeleted);
}

}  // namespace

TFhtml::TFhtml(QWidget* parent) : QDialog(parent) {
  setObjectName("TFhtml");
  setWindowTitle("Make Web-Pages");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(new QGridLayout);
  createCheckBoxes();
  createButtons();
  createStatusLine();
}

void TFhtml::createCheckBoxes() {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  for (int i = 0; i < 5; ++i) {
    boxes_[i] = new QCheckBox(kBoxes[i].Caption, this);
    boxes_[i]->setObjectName(kBoxes[i].Name);
    grid->addWidget(boxes_[i], i, 0);
  }
  CBcontacts_ = new QCheckBox("Publish players' &contact details", this);
  CBcontacts_->setObjectName("CBcontacts");
  CBcontacts_->setToolTip("Their phone numbers and e-mail addresses on the player pages and list");
  grid->addWidget(CBcontacts_, 5, 0);
  CBpublish_ = new QCheckBox("Publish after making pages", this);
  CBpublish_->setObjectName("CBpublish");
  grid->addWidget(CBpublish_, 6, 0);
}

void TFhtml::createButtons() {
  auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
  auto* ok = new QPushButton("&Make Pages", this);
  ok->setObjectName("BBok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { BBokClick(); });
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("BBhelp");
  connect(help, &QPushButton::clicked, this, [] { OpenHelp("MAKEPAGES"); });
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("BBcancel");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  grid->addWidget(ok, 0, 1);
  grid->addWidget(help, 1, 1);
  grid->addWidget(cancel, 2, 1);
  grid->setColumnMinimumWidth(1, ok->sizeHint().width());
}

void TFhtml::createStatusLine() {
  PBprogress_ = new QProgressBar(this);
  PBprogress_->setObjectName("PBprogress");
  PBprogress_->setRange(0, 1);
  PBprogress_->setValue(0);
  Pstatus_ = new StatusPanel(this);
  layout()->addWidget(PBprogress_);
  layout()->addWidget(Pstatus_);
}

void TFhtml::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

void TFhtml::FormActivate() {
  for (int i = 0; i < 5; ++i)
    boxes_[i]->setChecked(Settings().*kBoxes[i].Setting);
  CBcontacts_->setChecked(Settings().PublishContacts);
  CBpublish_->setChecked(Settings().PublishAfterMake);
  CBpublish_->setEnabled(!Settings().PublishTo.empty());
  CBpublish_->setToolTip(Settings().PublishTo.empty() ? "Set \"Publish to\" in Setup first"
                                                      : ToQString(Settings().PublishTo));
  Pstatus_->SetStatus(Pstatus_->text());
  PBprogress_->setValue(0);
}

void TFhtml::StoreBoxes() {
  TSettings& settings = Settings();
  for (int i = 0; i < 5; ++i)
    settings.*kBoxes[i].Setting = boxes_[i]->isChecked();
  settings.PublishContacts = CBcontacts_->isChecked();
  settings.PublishAfterMake = CBpublish_->isChecked();
}

// The boxes are written to the settings before the run, so that cardwise-cli makes the same
// site. An empty root would put the site into whatever folder the program was started in.
void TFhtml::BBokClick() {
  StoreBoxes();
  SaveSettingsNow(this);
  if (Settings().HtmlRootDir.empty()) {
    Prompts().ShowError(this, kTitle, "No root folder for the web pages is set (see Setup).");
    return;
  }
  const bool publish = CBpublish_->isEnabled() && CBpublish_->isChecked();
  const MakePagesReport report = MakePages();
  const QString made = MadeSummary(report, Settings().HtmlRootDir);
  if (!report.Skipped.empty())
    ReportSkipped(made, report, publish);
  else if (!publish)
    OfferSite(made);
  else if (const std::optional<QString> published = Publish(made))
    OfferSite(made + "\n" + *published);
  accept();
}

// The last word of a run that went well, with the way to look at what it made.
void TFhtml::OfferSite(const QString& text) {
  if (Prompts().ShowInfoWithAction(this, kTitle, text, "Open site"))
    Prompts().OpenDocument(ToQString(PagePath(Settings(), RootPage())));
}

void TFhtml::RunWithProgress(int expectedTexts, const std::function<void()>& job) {
  Pstatus_->MakeCurrent();
  Pstatus_->SetStatus(Pstatus_->text(), kRunning);
  PBprogress_->setRange(0, std::max(1, expectedTexts));
  PBprogress_->setValue(0);
  {
    WaitCursor wait;
    // While the job lasts the status texts keep the panel yellow and move the bar on.
    const StatusSink previous = SetStatusSink([this](const std::string& text) {
      Pstatus_->SetStatus(ToQString(text), kRunning);
      PBprogress_->setValue(std::min(PBprogress_->value() + 1, PBprogress_->maximum()));
      PBprogress_->repaint();
    });
    job();
    SetStatusSink(previous);
  }
  PBprogress_->setValue(PBprogress_->maximum());
}

MakePagesReport TFhtml::MakePages() {
  TDatabase database = ProcessDatabase();
  MakePagesReport report;
  RunWithProgress(ExpectedStatusTexts(database), [&] {
    report = MakeAllPages({Settings(), database, Today()});
  });
  return report;
}

// rsync lists each file it sends or deletes: at most every file of the site. A failure is
// shown after what the run made.
std::optional<QString> TFhtml::Publish(const QString& made) {
  PublishReport report;
  cardwise::Status status = cardwise::Status::Ok();
  RunWithProgress(FilesBelow(Settings().HtmlRootDir),
                  [&] { status = PublishSite(Settings(), false, report); });
  if (!status) {
    Pstatus_->SetStatus("Not published.", kRunning);
    Prompts().ShowError(this, kTitle, made + "\n" + ToQString(status.message()));
    return std::nullopt;
  }
  Pstatus_->SetStatus(PublishSummary(report));
  return PublishSummary(report);
}

void TFhtml::ReportSkipped(const QString& made, const MakePagesReport& report, bool publishWanted) {
  const int count = static_cast<int>(report.Skipped.size());
  QString text = made + QString("\n%1 page(s) could not be written:").arg(count);
  for (int i = 0; i < std::min(count, kSkippedListed); ++i)
    text += "\n" + ToQString(report.Skipped[static_cast<std::size_t>(i)]);
  if (count > kSkippedListed) text += QString("\n... and %1 more.").arg(count - kSkippedListed);
  if (publishWanted) text += "\nThe site was not published.";
  Prompts().ShowError(this, kTitle, text);
}

}  // namespace cardwise::app
