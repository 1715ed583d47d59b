#include "app/record_editor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QKeySequence>
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

std::string& fileNameSetting(AppSettings& settings, DataKind kind) {
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
QString pathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string pathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString loadProblems(const LoadReport& report) {
  QStringList lines;
  if (!report.ReadStatus) lines << toQString(report.ReadStatus.message());
  const std::vector<std::string> messages = report.Messages();
  for (std::size_t i = 0; i < messages.size() && i < kMaxProblemsShown; ++i)
    lines << toQString(messages[i]);
  if (messages.size() > kMaxProblemsShown)
    lines << QString("... and %1 more lines.").arg(messages.size() - kMaxProblemsShown);
  return lines.join("\r");
}

}  // namespace

EditorTraits makeEditorTraits(const QString& word, const QString& title, DataKind file) {
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

void RecordEditor::setStatus(const QString& text, const QColor& color) {
  statusPanel->setStatus(text, color);
}

// An edit in progress stays as typed: the user may only have looked at another window (or
// used a dialog) meanwhile.
void RecordEditor::activate() {
  statusPanel->makeCurrent();
  if (edited_) return;
  showRecord();
  if (onlyPlaceholder()) takePlaceholderAsNew();
}

// A list read from no file holds just the placeholder "??": where the user types the ID, the
// editor offers it as the new record it stands for, rather than showing "??" as if it were one
// (left untyped, a post or a change of the lists removes it again).
bool RecordEditor::onlyPlaceholder() const {
  return traits_.GiveID && list_->count() == 1 && list_->keyAt(0) == kPlaceholderID;
}

void RecordEditor::takePlaceholderAsNew() {
  index_ = 0;
  adding_ = edited_ = true;
  idEdit->setReadOnly(!traits_.GiveID);
  editMode();
  showNewRecord();
  untouched_ = true;
}

int RecordEditor::checkedIndex(int index) const {
  const int count = list_->count();
  if (count == 0) return -1;
  if (traits_.Check == IndexCheck::NothingWhenNegative && index < 0) return -1;
  return std::clamp(index, 0, count - 1);
}

void RecordEditor::showRecord() {
  loading_ = true;
  index_ = checkedIndex(index_);
  if (list_->isValidIndex(index_)) {
    idEdit->setText(toQString(list_->idAt(index_)));
    showFields(index_);
  } else {
    idEdit->clear();
    clearFields();
  }
  updateScrollBar();
  loading_ = false;
}

void RecordEditor::updateScrollBar() {
  const QSignalBlocker blocker(scrollBar);
  const int count = list_->count();
  scrollBar->setRange(0, std::max(count - 1, 0));
  scrollBar->setValue(std::max(index_, 0));
  scrollBar->setPageStep(std::max(count / 5, 1));
}

void RecordEditor::browseMode() {
  newButton->setVisible(true);
  postButton->setVisible(false);
  webButton->setEnabled(true);
  fileMenu_->menuAction()->setEnabled(true);
  for (QAction* action : fileMenu_->actions())
    action->setEnabled(true);
  newAction->setEnabled(true);
  cancelAction->setEnabled(false);
  undoAction->setEnabled(false);
  modeChanged(false);
}

void RecordEditor::editMode() {
  webButton->setEnabled(false);
  newButton->setVisible(false);
  postButton->setVisible(true);
  // Only Close stays: it asks what to do with the edit.
  for (QAction* action : fileMenu_->actions())
    action->setEnabled(action == closeAction);
  newAction->setEnabled(false);
  cancelAction->setEnabled(true);
  undoAction->setEnabled(true);
  modeChanged(true);
}

void RecordEditor::modeChanged(bool) {}

// ---- editing

void RecordEditor::markEdited() {
  if (loading_) return;
  untouched_ = false;
  if (!edited_) {
    setStatus("Editing: " + idEdit->text(), kEditColor);
    editMode();
  }
  edited_ = true;
}

void RecordEditor::addRecord() {
  index_ = list_->addPlaceholder();
  adding_ = edited_ = true;
  idEdit->setReadOnly(!traits_.GiveID);
  editMode();
}

void RecordEditor::addNew() {
  if (!settleEdit(true)) return;
  addRecord();
  showNewRecord();
}

void RecordEditor::showNewRecord() {
  showRecord();
  if (traits_.GiveID) {
    setStatus("New " + traits_.Word + " added, Give ID", kNewColor);
  } else {
    setStatus("New " + traits_.Word + " added", kNewColor);
    findEdit->setEnabled(false);
  }
  newRecordShown();
}

void RecordEditor::newRecordShown() {
  if (traits_.GiveID) focusField(idEdit);
}

// The placeholder "??" in a new record's ID must go when the user types the ID.
void RecordEditor::focusField(QLineEdit* field) {
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
}

void RecordEditor::endEdit() {
  idEdit->setReadOnly(true);
  findEdit->setEnabled(true);
  edited_ = adding_ = false;
  browseMode();
}

std::string RecordEditor::dataPath() const {
  return DataFilePath(Settings(), traits_.File);
}

bool RecordEditor::removesID(const std::string& id) const {
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

bool RecordEditor::postRecord() {
  if (!list_->isValidIndex(index_)) {
    endEdit();
    return true;
  }
  const std::string oldID = list_->keyAt(index_);
  const std::string typed = UpperCase(Trim(fromQString(idEdit->text())));
  if (removesID(typed)) {
    removePlaceholder();
    showRecord();
    endEdit();
    return true;
  }
  list_->setID(index_, typed);
  if (!storeFields(index_)) {
    list_->setID(index_, oldID);
    return false;
  }
  list_->makeId(index_);
  const std::string newID = list_->idAt(index_);
  if (!acceptID(oldID, newID) || !saveShown(newID)) {
    list_->setID(index_, oldID);
    return false;
  }
  if (newID != oldID) fileUnderNewId(oldID, newID);
  endEdit();
  return true;
}

// One record per ID: a post that would give the record the ID of another one is refused,
// rather than merging the two or letting the save overwrite the other record's section.
bool RecordEditor::acceptID(const std::string& oldID, const std::string& newID) {
  int other = 0;
  QString problem;
  if (newID.empty())
    problem = "Give the " + traits_.Word + " an ID.";
  else if (CompareText(oldID, newID) != 0 && list_->find(newID, other))
    problem = "The ID " + toQString(newID) + " belongs to another " + traits_.Word + ".\r" +
              traits_.DuplicateIdAdvice;
  if (problem.isEmpty()) return true;
  Prompts().showError(this, kAppTitle, problem);
  return false;
}

bool RecordEditor::saveShown(const std::string& id) {
  const std::string path = dataPath();
  const Status status = list_->saveRecord(index_, path);
  if (!status) showFailure(toQString(id) + " could not be saved in " + pathText(path), status);
  return status.ok();
}

void RecordEditor::fileUnderNewId(const std::string& oldID, const std::string& newID) {
  {
    const QSignalBlocker blocker(idEdit);
    idEdit->setText(toQString(newID));
  }
  index_ = list_->refile(index_);
  // The same key in other letter case: the save has replaced the old section already, and
  // erasing "the old one" would erase the record just saved.
  if (CompareText(oldID, newID) != 0) {
    const Status status = list_->deleteById(oldID);
    if (!status) showFailure(toQString(oldID) + " could not be removed from the file", status);
  }
  list_->find(newID, index_);
  updateScrollBar();
}

// The new record is the placeholder wherever it is now: navigation may have moved away from
// it while adding, and the record shown then must not be deleted in its place.
void RecordEditor::removePlaceholder() {
  int at = 0;
  if (!list_->find(kPlaceholderID, at)) return;
  const DeleteResult result = list_->deleteAt(at);
  if (!result.Outcome)
    return showFailure("The new " + traits_.Word + " could not be removed", result.Outcome);
  if (at == index_)
    index_ = result.Next;
  else if (at < index_)
    --index_;
}

void RecordEditor::showFailure(const QString& text, const Status& status) {
  Prompts().showError(this, kAppTitle, text + ":\r" + toQString(status.message()));
}

void RecordEditor::post() {
  setStatus("");
  postRecord();
}

void RecordEditor::undo() {
  if (adding_) {
    discardEdit();
    setStatus("Add " + traits_.Word + " canceled");
  } else if (edited_) {
    setStatus("");
    discardEdit();
  } else {
    setStatus("Nothing to Undo!");
  }
  focusField(findEdit);
}

void RecordEditor::deleteRecord() {
  setStatus("");
  if (list_->isValidIndex(index_) && Prompts().askYesNo(this, "Confirm", deleteQuestion()))
    deleteShown();
  showRecord();
}

// The records that use the one to delete are not touched: the question says how many there are.
QString RecordEditor::deleteQuestion() const {
  const std::string key = list_->keyAt(index_);
  const QString name = toQString(list_->nameAt(index_));
  const std::string uses = traits_.UsesOf ? UsesText(traits_.UsesOf(key)) : std::string();
  if (uses.empty()) return "About to delete: " + name + "\rAre you sure?";
  return (name.isEmpty() ? toQString(key) : name) + " has " + toQString(uses) +
         "; they stay and will show the ID only. Delete the " + traits_.Word + "?";
}

void RecordEditor::deleteShown() {
  const DeleteResult result = list_->deleteAt(index_);
  if (!result.Outcome)
    return showFailure(toQString(list_->keyAt(index_)) + " could not be deleted", result.Outcome);
  index_ = result.Next;
  endEdit();
}

bool RecordEditor::postPending() {
  return !edited_ || postRecord();
}

std::string RecordEditor::shownKey() const {
  return list_->isValidIndex(index_) ? list_->keyAt(index_) : std::string();
}

void RecordEditor::showKey(const std::string& key) {
  if (!key.empty()) list_->find(key, index_);
  showRecord();
}

// ---- navigation

// Rounds post on navigation (a card is typed in one go and Enter moves on); the other editors
// ask, so that an edit never goes unnoticed.
bool RecordEditor::settleEdit(bool navigating) {
  if (!edited_) return true;
  if (untouched_) {  // only the offered first record: nothing was typed
    discardEdit();
    return true;
  }
  if (navigating && traits_.NavigationPosts) return postRecord();
  switch (Prompts().askSaveDiscard(this, kAppTitle, pendingEditText())) {
    case EditChoice::Save:
      setStatus("");
      return postRecord();
    case EditChoice::Discard:
      discardEdit();
      return true;
    case EditChoice::Cancel:
      break;
  }
  return false;
}

QString RecordEditor::pendingEditText() const {
  if (adding_) return "The new " + traits_.Word + " has not been saved.\rSave it?";
  return "The changes to " + traits_.Word + " " + toQString(shownKey()) +
         " have not been saved.\rSave them?";
}

// A new record goes; an edited one is read back from its file, since editors may have changed
// the record in memory while it was typed (the round's card, the tour's standings).
void RecordEditor::discardEdit() {
  if (adding_) {
    removePlaceholder();
  } else if (list_->isValidIndex(index_)) {
    const Status status = list_->reloadRecord(index_, dataPath());
    if (!status) showFailure(toQString(list_->keyAt(index_)) + " could not be read", status);
  }
  showRecord();
  endEdit();
}

void RecordEditor::reportEnd(const QString& which) {
  setStatus("The " + which + " " + traits_.Word + " is: " + idEdit->text() + " !", kEndColor);
}

void RecordEditor::showFirst() {
  if (!settleEdit(true)) return;
  index_ = 0;
  showRecord();
}

void RecordEditor::showPrevious() {
  if (!settleEdit(true)) return;
  if (index_ - 1 < 0) {
    index_ = std::min(0, list_->count() - 1);
    reportEnd("first");
  } else {
    --index_;
    showRecord();
  }
}

void RecordEditor::showNext() {
  if (!settleEdit(true)) return;
  if (index_ + 1 >= list_->count()) {
    index_ = list_->count() - 1;
    reportEnd("last");
  } else {
    ++index_;
    showRecord();
  }
}

void RecordEditor::showLast() {
  if (!settleEdit(true)) return;
  index_ = list_->count() - 1;
  showRecord();
}

void RecordEditor::findTyped() {
  if (!settleEdit(true)) return;
  list_->find(fromQString(findEdit->text()), index_);
  showRecord();
}

void RecordEditor::scrollTo(int position) {
  if (!settleEdit(true)) {
    updateScrollBar();
    return;
  }
  index_ = position;
  showRecord();
}

// ---- browse, help, clipboard

void RecordEditor::browse() {
  if (!list_->isValidIndex(index_)) return;
  setStatus("Browse: " + toQString(list_->keyAt(index_)));
  const std::string path = pagePathOf(index_);
  if (FileExists(path)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(pathText(path)));
    return;
  }
  Prompts().showError(this, kAppTitle,
                      pathText(path) + "\rdoes not exist.\r" +
                          "You have to make the pages before you browse them.\r" +
                          "Press the Make Pages to create the file.");
}

void RecordEditor::showHelp() {
  openHelp(traits_.HelpTopic);
}

void RecordEditor::copyRecord() {
  if (edited_ && !postRecord()) return;
  if (!list_->isValidIndex(index_)) return;
  QGuiApplication::clipboard()->setText(toQString(list_->copyToClipboard(index_)));
  setStatus("Current " + traits_.Word + " copied");
}

void RecordEditor::pasteRecords() {
  // Not editing: the paste finds its record by the pasted ID or name, or makes a new one.
  int target = edited_ && list_->isValidIndex(index_) ? index_ : -1;
  const std::string text = fromQString(QGuiApplication::clipboard()->text());
  if (!list_->pasteFromClipboard(text, target)) return;
  index_ = target;
  showRecord();
  setStatus("Clipboard contents pasted");
}

// ---- file menu

QString RecordEditor::askFileName(bool save, const QString& title) {
  const QString dir = pathText(Settings().DataDir);
  const QString pattern = traits_.FilePattern;
  const QString filter = "Cardwise data (" + pattern + " " + pattern.toLower() + ");;All files (*)";
  return save ? Prompts().saveFileName(this, title, dir, filter)
              : Prompts().openFileName(this, title, dir, filter);
}

void RecordEditor::merge() {
  const std::string path =
      pathBytes(askFileName(false, "Merge " + traits_.Title + " data with file"));
  if (path.empty() || !FileExists(path)) return;
  LoadReport report;
  {
    const WaitCursor wait;
    report = list_->loadFromFile(path);
  }
  if (!report.Clean()) Prompts().showError(this, kAppTitle, loadProblems(report));
  showRecord();
}

void RecordEditor::openFile() {
  const std::string path =
      pathBytes(askFileName(false, "Open new " + traits_.Title + " data file"));
  if (path.empty() || !FileExists(path)) return;
  LoadReport report;
  {
    const WaitCursor wait;
    list_->clear();
    fileNameSetting(Settings(), traits_.File) = FileNameOf(path);
    report = list_->loadFromFile(dataPath());
  }
  if (!report.Clean()) Prompts().showError(this, kAppTitle, loadProblems(report));
  index_ = 0;
  showRecord();
}

// The list's file becomes the saved one: later posts write there (through the file-name
// setting), so later deletions and renames must erase their sections there too.
void RecordEditor::saveAs() {
  std::string name =
      FileNameOf(pathBytes(askFileName(true, "Save " + traits_.Title + " data as filename")));
  if (name.empty()) return;
  if (name.find('.') == std::string::npos) name += ".dat";
  std::string& setting = fileNameSetting(Settings(), traits_.File);
  const std::string previous = std::exchange(setting, name);
  Status status = Status::Ok();
  {
    const WaitCursor wait;
    status = list_->saveAll(dataPath());
  }
  if (status) return list_->setFileName(dataPath());
  // Posts keep going to the file that still holds the records.
  const std::string failed = dataPath();
  setting = previous;
  showFailure("The " + traits_.Title + " data could not be saved in " + pathText(failed), status);
}

void RecordEditor::addResultsAction(const QString& caption, std::function<void()> run) {
  editMenu_->addSeparator();
  QAction* results = editMenu_->addAction(caption);
  results->setObjectName("resultsAction");
  results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(results, &QAction::triggered, this, std::move(run));
}

void RecordEditor::addCsvExport(std::function<CsvTable(int index)> table) {
  auto* item = new QAction("E&xport CSV...", this);
  item->setObjectName("exportAction");
  fileMenu_->insertAction(closeAction, item);
  connect(item, &QAction::triggered, this, [this, table = std::move(table)] { exportCsv(table); });
}

void RecordEditor::exportCsv(const std::function<CsvTable(int index)>& table) {
  if (!list_->isValidIndex(index_)) return;
  const QString suggested =
      pathText(Settings().DataDir) + toQString(list_->keyAt(index_)).toLower() + ".csv";
  const std::string path = pathBytes(Prompts().saveFileName(
      this, "Export " + traits_.Title + " as CSV", suggested, "CSV files (*.csv);;All files (*)"));
  if (path.empty()) return;
  Status status = Status::Ok();
  {
    const WaitCursor wait;
    status = WriteFileAtomically(path, CsvText(table(index_)));
  }
  if (!status) return showFailure("The CSV file could not be written", status);
  setStatus(pathText(path) + " written.");
}

void RecordEditor::closeFile() {
  close();
}

void RecordEditor::closeEvent(QCloseEvent* event) {
  if (settleEdit(false))
    QMainWindow::closeEvent(event);
  else
    event->ignore();
}

}  // namespace cardwise::app
