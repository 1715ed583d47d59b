#include "app/record_editor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/status_panel.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "records/text.h"

namespace cardwise::app {

namespace {

const QColor kNewColor(255, 255, 0);
const QColor kEditColor(255, 255, 255);
const QColor kEndColor(255, 0, 0);
const QString kAppTitle = "Cardwise";
// The problems of a merged or opened file shown at most; the rest are counted.
constexpr std::size_t kMaxProblemsShown = 10;

// The hourglass for the length of one operation.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

std::string& FileNameSetting(TSettings& settings, DataKind kind) {
  switch (kind) {
    case kCoursesFile:
      return settings.CourseFName;
    case kRoundsFile:
      return settings.RoundFName;
    case kEventsFile:
      return settings.EventFName;
    case kToursFile:
      return settings.TourFName;
    default:
      return settings.PlayerFName;
  }
}

// File paths are bytes of the file system; the dialogs speak QString.
QString PathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string PathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString LoadProblems(const LoadReport& report) {
  QStringList lines;
  if (!report.ReadStatus) lines << ToQString(report.ReadStatus.message());
  const std::vector<std::string> messages = report.Messages();
  for (std::size_t i = 0; i < messages.size() && i < kMaxProblemsShown; ++i)
    lines << ToQString(messages[i]);
  if (messages.size() > kMaxProblemsShown)
    lines << QString("... and %1 more lines.").arg(messages.size() - kMaxProblemsShown);
  return lines.join("\r");
}

}  // namespace

EditorTraits MakeEditorTraits(const QString& word, const QString& title, DataKind file) {
  EditorTraits traits;
  traits.Word = word;
  traits.Title = title;
  traits.MenuTitle = "&" + title;
  traits.HelpTopic = word.toUpper();
  traits.FilePattern = title.left(1) + "*.DAT";
  traits.IdLabel = title + " &ID";
  traits.NewHint = "Add new " + word;
  traits.DelHint = "Delete current " + word;
  traits.BrowseHint = "Show " + title + " Index Page, Start Web-Browser...";
  traits.PostHint = "Post changes to current " + word;
  traits.DuplicateIdAdvice = "Give this " + word + " another ID.";
  traits.File = file;
  return traits;
}

// ---- showing

void TRecordEditor::SetStatus(const QString& text, const QColor& color) {
  Pstatus->SetStatus(text, color);
}

// An edit in progress stays as typed: the user may only have looked at another window (or
// used a dialog) meanwhile.
void TRecordEditor::FormActivate() {
  Pstatus->MakeCurrent();
  if (edited_) return;
  ShowRecord();
  if (OnlyPlaceholder()) TakePlaceholderAsNew();
}

// A list read from no file holds just the placeholder "??": where the user types the ID, the
// editor offers it as the new record it stands for, rather than showing "??" as if it were one
// (left untyped, a post or a change of the lists removes it again).
bool TRecordEditor::OnlyPlaceholder() const {
  return traits_.GiveID && list_->Count() == 1 && list_->KeyAt(0) == kPlaceholderID;
}

void TRecordEditor::TakePlaceholderAsNew() {
  index_ = 0;
  adding_ = edited_ = true;
  Eid->setReadOnly(!traits_.GiveID);
  EditMode();
  ShowNewRecord();
  untouched_ = true;
}

int TRecordEditor::CheckedIndex(int index) const {
  const int count = list_->Count();
  if (count == 0) return -1;
  if (traits_.Check == IndexCheck::NothingWhenNegative && index < 0) return -1;
  return std::clamp(index, 0, count - 1);
}

void TRecordEditor::ShowRecord() {
  loading_ = true;
  index_ = CheckedIndex(index_);
  if (list_->IsValidIndex(index_)) {
    Eid->setText(ToQString(list_->IDAt(index_)));
    ShowFields(index_);
  } else {
    Eid->clear();
    ClearFields();
  }
  UpdateScrollBar();
  loading_ = false;
}

void TRecordEditor::UpdateScrollBar() {
  const QSignalBlocker blocker(SB);
  const int count = list_->Count();
  SB->setRange(0, std::max(count - 1, 0));
  SB->setValue(std::max(index_, 0));
  SB->setPageStep(std::max(count / 5, 1));
}

void TRecordEditor::BrowseMode() {
  SBnew->setVisible(true);
  BBpost->setVisible(false);
  SBwww->setEnabled(true);
  fileMenu_->menuAction()->setEnabled(true);
  for (QAction* action : fileMenu_->actions())
    action->setEnabled(true);
  MIpnew->setEnabled(true);
  MIpcancel->setEnabled(false);
  MIeundo->setEnabled(false);
  ModeChanged(false);
}

void TRecordEditor::EditMode() {
  SBwww->setEnabled(false);
  SBnew->setVisible(false);
  BBpost->setVisible(true);
  // Only Close stays: it asks what to do with the edit.
  for (QAction* action : fileMenu_->actions())
    action->setEnabled(action == MIfclose);
  MIpnew->setEnabled(false);
  MIpcancel->setEnabled(true);
  MIeundo->setEnabled(true);
  ModeChanged(true);
}

void TRecordEditor::ModeChanged(bool) {}

// ---- editing

void TRecordEditor::DoFlagEdit() {
  if (loading_) return;
  untouched_ = false;
  if (!edited_) {
    SetStatus("Editing: " + Eid->text(), kEditColor);
    EditMode();
  }
  edited_ = true;
}

void TRecordEditor::AddRecord() {
  index_ = list_->AddPlaceholder();
  adding_ = edited_ = true;
  Eid->setReadOnly(!traits_.GiveID);
  EditMode();
}

void TRecordEditor::DoNew() {
  if (!SettleEdit(true)) return;
  AddRecord();
  ShowNewRecord();
}

void TRecordEditor::ShowNewRecord() {
  ShowRecord();
  if (traits_.GiveID) {
    SetStatus("New " + traits_.Word + " added, Give ID", kNewColor);
  } else {
    SetStatus("New " + traits_.Word + " added", kNewColor);
    Efid->setEnabled(false);
  }
  NewRecordShown();
}

void TRecordEditor::NewRecordShown() {
  if (traits_.GiveID) FocusField(Eid);
}

// The placeholder "??" in a new record's ID must go when the user types the ID.
void TRecordEditor::FocusField(QLineEdit* field) {
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
}

void TRecordEditor::EndEdit() {
  Eid->setReadOnly(true);
  Efid->setEnabled(true);
  edited_ = adding_ = false;
  BrowseMode();
}

std::string TRecordEditor::DataPath() const {
  return DataFilePath(Settings(), traits_.File);
}

bool TRecordEditor::RemovesID(const std::string& id) const {
  switch (traits_.Removes) {
    case PostRemoves::Placeholder:
      return id == kPlaceholderID;
    case PostRemoves::PlaceholderOrEmpty:
      return id == kPlaceholderID || id.empty();
    case PostRemoves::Never:
      return false;
  }
  return false;
}

bool TRecordEditor::PostRecord() {
  if (!list_->IsValidIndex(index_)) {
    EndEdit();
    return true;
  }
  const std::string oldID = list_->KeyAt(index_);
  const std::string typed = UpperCase(Trim(FromQString(Eid->text())));
  if (RemovesID(typed)) {
    RemovePlaceholder();
    ShowRecord();
    EndEdit();
    return true;
  }
  list_->SetID(index_, typed);
  if (!StoreFields(index_)) {
    list_->SetID(index_, oldID);
    return false;
  }
  list_->MakeID(index_);
  const std::string newID = list_->IDAt(index_);
  if (!AcceptID(oldID, newID) || !SaveShown(newID)) {
    list_->SetID(index_, oldID);
    return false;
  }
  if (newID != oldID) Rename(oldID, newID);
  EndEdit();
  return true;
}

// One record per ID: a post that would give the record the ID of another one is refused,
// rather than merging the two or letting the save overwrite the other record's section.
bool TRecordEditor::AcceptID(const std::string& oldID, const std::string& newID) {
  int other = 0;
  QString problem;
  if (newID.empty())
    problem = "Give the " + traits_.Word + " an ID.";
  else if (CompareText(oldID, newID) != 0 && list_->Find(newID, other))
    problem = "The ID " + ToQString(newID) + " belongs to another " + traits_.Word + ".\r" +
              traits_.DuplicateIdAdvice;
  if (problem.isEmpty()) return true;
  Prompts().ShowError(this, kAppTitle, problem);
  return false;
}

bool TRecordEditor::SaveShown(const std::string& id) {
  const std::string path = DataPath();
  const Status status = list_->SaveRecord(index_, path);
  if (!status) ShowFailure(ToQString(id) + " could not be saved in " + PathText(path), status);
  return status.ok();
}

void TRecordEditor::Rename(const std::string& oldID, const std::string& newID) {
  {
    const QSignalBlocker blocker(Eid);
    Eid->setText(ToQString(newID));
  }
  index_ = list_->Refile(index_);
  // The same key in other letter case: the save has replaced the old section already, and
  // erasing "the old one" would erase the record just saved.
  if (CompareText(oldID, newID) != 0) {
    const Status status = list_->DeleteByID(oldID);
    if (!status) ShowFailure(ToQString(oldID) + " could not be removed from the file", status);
  }
  list_->Find(newID, index_);
  UpdateScrollBar();
}

// The new record is the placeholder wherever it is now: navigation may have moved away from
// it while adding, and the record shown then must not be deleted in its place.
void TRecordEditor::RemovePlaceholder() {
  int at = 0;
  if (!list_->Find(kPlaceholderID, at)) return;
  const DeleteResult result = list_->DeleteAt(at);
  if (!result.Outcome)
    return ShowFailure("The new " + traits_.Word + " could not be removed", result.Outcome);
  if (at == index_)
    index_ = result.Next;
  else if (at < index_)
    --index_;
}

void TRecordEditor::ShowFailure(const QString& text, const Status& status) {
  Prompts().ShowError(this, kAppTitle, text + ":\r" + ToQString(status.message()));
}

void TRecordEditor::DoPost() {
  SetStatus("");
  PostRecord();
}

void TRecordEditor::DoUndo() {
  if (adding_) {
    DiscardEdit();
    SetStatus("Add " + traits_.Word + " canceled");
  } else if (edited_) {
    SetStatus("");
    DiscardEdit();
  } else {
    SetStatus("Nothing to Undo!");
  }
  FocusField(Efid);
}

void TRecordEditor::DoDel() {
  SetStatus("");
  if (list_->IsValidIndex(index_) && Prompts().AskYesNo(this, "Confirm", DeleteQuestion()))
    DeleteShown();
  ShowRecord();
}

// The records that use the one to delete are not touched: the question says how many there are.
QString TRecordEditor::DeleteQuestion() const {
  const std::string key = list_->KeyAt(index_);
  const QString name = ToQString(list_->NameAt(index_));
  const std::string uses = traits_.UsesOf ? UsesText(traits_.UsesOf(key)) : std::string();
  if (uses.empty()) return "About to delete: " + name + "\rAre you sure?";
  return (name.isEmpty() ? ToQString(key) : name) + " has " + ToQString(uses) +
         "; they stay and will show the ID only. Delete the " + traits_.Word + "?";
}

void TRecordEditor::DeleteShown() {
  const DeleteResult result = list_->DeleteAt(index_);
  if (!result.Outcome)
    return ShowFailure(ToQString(list_->KeyAt(index_)) + " could not be deleted", result.Outcome);
  index_ = result.Next;
  EndEdit();
}

bool TRecordEditor::PostPending() {
  return !edited_ || PostRecord();
}

std::string TRecordEditor::ShownKey() const {
  return list_->IsValidIndex(index_) ? list_->KeyAt(index_) : std::string();
}

void TRecordEditor::ShowKey(const std::string& key) {
  if (!key.empty()) list_->Find(key, index_);
  ShowRecord();
}

// ---- navigation

// Rounds post on navigation (a card is typed in one go and Enter moves on); the other editors
// ask, so that an edit never goes unnoticed.
bool TRecordEditor::SettleEdit(bool navigating) {
  if (!edited_) return true;
  if (untouched_) {  // only the offered first record: nothing was typed
    DiscardEdit();
    return true;
  }
  if (navigating && traits_.NavigationPosts) return PostRecord();
  switch (Prompts().AskSaveDiscard(this, kAppTitle, PendingEditText())) {
    case EditChoice::Save:
      SetStatus("");
      return PostRecord();
    case EditChoice::Discard:
      DiscardEdit();
      return true;
    case EditChoice::Cancel:
      break;
  }
  return false;
}

QString TRecordEditor::PendingEditText() const {
  if (adding_) return "The new " + traits_.Word + " has not been saved.\rSave it?";
  return "The changes to " + traits_.Word + " " + ToQString(ShownKey()) +
         " have not been saved.\rSave them?";
}

// A new record goes; an edited one is read back from its file, since editors may have changed
// the record in memory while it was typed (the round's card, the tour's standings).
void TRecordEditor::DiscardEdit() {
  if (adding_) {
    RemovePlaceholder();
  } else if (list_->IsValidIndex(index_)) {
    const Status status = list_->ReloadRecord(index_, DataPath());
    if (!status) ShowFailure(ToQString(list_->KeyAt(index_)) + " could not be read", status);
  }
  ShowRecord();
  EndEdit();
}

void TRecordEditor::ReportEnd(const QString& which) {
  SetStatus("The " + which + " " + traits_.Word + " is: " + Eid->text() + " !", kEndColor);
}

void TRecordEditor::DoFirst() {
  if (!SettleEdit(true)) return;
  index_ = 0;
  ShowRecord();
}

void TRecordEditor::DoPrev() {
  if (!SettleEdit(true)) return;
  if (index_ - 1 < 0) {
    index_ = std::min(0, list_->Count() - 1);
    ReportEnd("first");
  } else {
    --index_;
    ShowRecord();
  }
}

void TRecordEditor::DoNext() {
  if (!SettleEdit(true)) return;
  if (index_ + 1 >= list_->Count()) {
    index_ = list_->Count() - 1;
    ReportEnd("last");
  } else {
    ++index_;
    ShowRecord();
  }
}

void TRecordEditor::DoLast() {
  if (!SettleEdit(true)) return;
  index_ = list_->Count() - 1;
  ShowRecord();
}

void TRecordEditor::DoFind() {
  if (!SettleEdit(true)) return;
  list_->Find(FromQString(Efid->text()), index_);
  ShowRecord();
}

void TRecordEditor::SBScroll(int position) {
  if (!SettleEdit(true)) {
    UpdateScrollBar();
    return;
  }
  index_ = position;
  ShowRecord();
}

// ---- browse, help, clipboard

void TRecordEditor::DoBrowse() {
  if (!list_->IsValidIndex(index_)) return;
  SetStatus("Browse: " + ToQString(list_->KeyAt(index_)));
  const std::string path = PagePathOf(index_);
  if (FileExists(path)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(PathText(path)));
    return;
  }
  Prompts().ShowError(this, kAppTitle,
                      PathText(path) + "\rdoes not exist.\r" +
                          "You have to make the pages before you browse them.\r" +
                          "Press the Make Pages to create the file.");
}

void TRecordEditor::DoHelp() {
  OpenHelp(traits_.HelpTopic);
}

void TRecordEditor::DoCopy() {
  if (edited_ && !PostRecord()) return;
  if (!list_->IsValidIndex(index_)) return;
  QGuiApplication::clipboard()->setText(ToQString(list_->CopyToClipboard(index_)));
  SetStatus("Current " + traits_.Word + " copied");
}

void TRecordEditor::DoPaste() {
  // Not editing: the paste finds its record by the pasted ID or name, or makes a new one.
  int target = edited_ && list_->IsValidIndex(index_) ? index_ : -1;
  const std::string text = FromQString(QGuiApplication::clipboard()->text());
  if (!list_->PasteFromClipboard(text, target)) return;
  index_ = target;
  ShowRecord();
  SetStatus("Clipboard contents pasted");
}

// ---- file menu

QString TRecordEditor::AskFileName(bool save, const QString& title) {
  const QString dir = PathText(Settings().DataDir);
  const QString pattern = traits_.FilePattern;
  const QString filter = "Cardwise data (" + pattern + " " + pattern.toLower() + ");;All files (*)";
  return save ? Prompts().SaveFileName(this, title, dir, filter)
              : Prompts().OpenFileName(this, title, dir, filter);
}

void TRecordEditor::DoMerge() {
  const std::string path =
      PathBytes(AskFileName(false, "Merge " + traits_.Title + " data with file"));
  if (path.empty() || !FileExists(path)) return;
  LoadReport report;
  {
    const WaitCursor wait;
    report = list_->LoadFromFile(path);
  }
  if (!report.Clean()) Prompts().ShowError(this, kAppTitle, LoadProblems(report));
  ShowRecord();
}

void TRecordEditor::DoOpen() {
  const std::string path =
      PathBytes(AskFileName(false, "Open new " + traits_.Title + " data file"));
  if (path.empty() || !FileExists(path)) return;
  LoadReport report;
  {
    const WaitCursor wait;
    list_->Clear();
    FileNameSetting(Settings(), traits_.File) = FileNameOf(path);
    report = list_->LoadFromFile(DataPath());
  }
  if (!report.Clean()) Prompts().ShowError(this, kAppTitle, LoadProblems(report));
  index_ = 0;
  ShowRecord();
}

// The list's file becomes the saved one: later posts write there (through the file-name
// setting), so later deletions and renames must erase their sections there too.
void TRecordEditor::DoSaveAs() {
  std::string name =
      FileNameOf(PathBytes(AskFileName(true, "Save " + traits_.Title + " data as filename")));
  if (name.empty()) return;
  if (name.find('.') == std::string::npos) name += ".dat";
  std::string& setting = FileNameSetting(Settings(), traits_.File);
  const std::string previous = std::exchange(setting, name);
  Status status = Status::Ok();
  {
    const WaitCursor wait;
    status = list_->SaveAll(DataPath());
  }
  if (status) return list_->SetFileName(DataPath());
  // Posts keep going to the file that still holds the records.
  const std::string failed = DataPath();
  setting = previous;
  ShowFailure("The " + traits_.Title + " data could not be saved in " + PathText(failed), status);
}

void TRecordEditor::AddCsvExport(std::function<CsvTable(int index)> table) {
  auto* item = new QAction("E&xport CSV...", this);
  item->setObjectName("MIfexport");
  fileMenu_->insertAction(MIfclose, item);
  connect(item, &QAction::triggered, this,
          [this, table = std::move(table)] { DoExportCsv(table); });
}

void TRecordEditor::DoExportCsv(const std::function<CsvTable(int index)>& table) {
  if (!list_->IsValidIndex(index_)) return;
  const QString suggested =
      PathText(Settings().DataDir) + ToQString(list_->KeyAt(index_)).toLower() + ".csv";
  const std::string path = PathBytes(Prompts().SaveFileName(
      this, "Export " + traits_.Title + " as CSV", suggested, "CSV files (*.csv);;All files (*)"));
  if (path.empty()) return;
  Status status = Status::Ok();
  {
    const WaitCursor wait;
    status = WriteFileAtomically(path, CsvText(table(index_)));
  }
  if (!status) return ShowFailure("The CSV file could not be written", status);
  SetStatus(PathText(path) + " written.");
}

void TRecordEditor::DoClose() {
  close();
}

void TRecordEditor::closeEvent(QCloseEvent* event) {
  if (SettleEdit(false))
    QMainWindow::closeEvent(event);
  else
    event->ignore();
}

}  // namespace cardwise::app
