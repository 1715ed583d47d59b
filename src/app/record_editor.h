#pragma once
// The record editor frame the five editors share: one record of a list shown at a time, the
// scroll bar over the list, the find box, Add, Del, Post and Browse, the File, Edit and record
// menus, and the coloured status line. The per-editor differences are parameters
// (EditorTraits); the record kind's own fields come from a subclass (showFields, storeFields,
// clearFields, pagePathOf); the list is reached through a RecordListAdapter.
//
// States: browsing; editing (from the first field change or "Edit" until post or undo); adding
// (from "New" until the new record is posted or cancelled). Records change in memory and are
// written to the data file (DataDir + the list's file-name setting) one at a time when posted.
// The frame never reads a position outside the list: an empty list shows empty controls.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "app/record_list_adapter.h"
#include "platform/csv.h"
#include "results/database.h"
#include "results/record_uses.h"

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace cardwise::app {

class StatusPanel;

// Which typed ID makes a post remove the record instead of saving it.
enum class PostRemoves { Placeholder, PlaceholderOrEmpty, Never };
// What showRecord does with a current index outside the list: show the nearest record, or show
// nothing while the index is negative (an index past the end still shows the last record).
enum class IndexCheck { Clamp, NothingWhenNegative };

struct EditorTraits {
  QString Caption;      // the window caption: "Edit Players"
  QString Word;         // in the status texts: "player"
  QString Title;        // the record menu ("&" + Title), dialog titles, paste hint: "Player"
  QString MenuTitle;    // the record menu: "&Player"
  QString HelpTopic;    // "PLAYER"
  QString FilePattern;  // the file dialogs' pattern: "P*.DAT"
  QString IdLabel;      // the label of idEdit: "Player &ID"
  QString FindLabel = "Fin&d ID";
  QString NewHint, DelHint, BrowseHint, PostHint;
  DataKind File = kPlayersFile;  // the list's file-name setting
  // True: a new record's ID is typed in idEdit (status "New player added, Give ID"); false: it is
  // computed on post, idEdit stays read-only and the find box is disabled until the post.
  bool GiveID = true;
  PostRemoves Removes = PostRemoves::Placeholder;
  IndexCheck Check = IndexCheck::Clamp;
  // First, Previous, Next, Last and Find post an edited record first.
  bool NavigationPosts = false;
  // What to change when a post gives the record the ID of another one: "Give this player
  // another ID." (the default of makeEditorTraits).
  QString DuplicateIdAdvice;
  // The records that hold the ID of the record to delete (none when unset): the delete question
  // names them.
  std::function<RecordUses(const std::string& id)> UsesOf;
};

// The traits with the hints and words every editor derives from its record word ("course")
// and title ("Course"): "Add new course", "Delete current course", "Show Course Index Page,
// Start Web-Browser...", "Post changes to current course", help topic "COURSE", "Course &ID",
// "Give this course another ID.".
EditorTraits makeEditorTraits(const QString& word, const QString& title, DataKind file);

class RecordEditor : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window over the list; the subclass adds its fields to fieldArea() in its own
  // constructor. The list is read only from the first showing or activation on.
  RecordEditor(EditorTraits traits, std::unique_ptr<RecordListAdapter> list,
               QWidget* parent = nullptr);
  ~RecordEditor() override;

  // The new, delete and post buttons take the images of the chosen set.
  void applyButtonImages(bool trueColor);

  const EditorTraits& Traits() const { return traits_; }
  int currentIndex() const { return index_; }
  bool isEdited() const { return edited_; }
  bool isAdding() const { return adding_; }
  bool isLoading() const { return loading_; }

  // For a change of the list from outside the editor (more records loaded): an edit in progress
  // is posted first (false when that failed: leave the list alone), and afterwards the record
  // shown before is shown again at its new place.
  bool postPending();
  // Before the editor shows another record or closes: an edit in progress is posted (rounds, on
  // navigation) or the user is asked Save / Discard / Cancel. false: the user cancelled or the
  // post failed, and everything stays as it was.
  bool settleEdit(bool navigating);
  std::string shownKey() const;
  void showKey(const std::string& key);

 public slots:
  // Makes the status panel current and, while browsing, shows the current record from memory
  // again (another window may have changed the list). Runs whenever the window becomes active.
  virtual void activate();
  void findTyped();
  void scrollTo(int position);
  void addNew();
  void deleteRecord();
  void post();
  void undo();
  // A field changed (ignored while a record is being shown) or "Edit" was chosen.
  void markEdited();
  void browse();
  void showHelp();
  void showFirst();
  void showPrevious();
  void showNext();
  void showLast();
  void copyRecord();
  void pasteRecords();
  void merge();
  void openFile();
  // Writes the whole list to DataDir + the picked name, which becomes the file-name setting
  // and the list's file (where later deletions erase their sections).
  void saveAs();
  void closeFile();

 protected:
  // The record kind's part: copy the record at `index` into the field controls, clear them
  // when there is nothing to show, copy the controls into the record, and the record's page.
  // A post sets the record's ID from idEdit before storeFields (which may compute another) and
  // makes one from the record's fields when it is empty afterwards. storeFields returns false,
  // having told the user why, when a field cannot be taken: the post stops in the edit state.
  virtual void showFields(int index) = 0;
  virtual void clearFields() = 0;
  virtual bool storeFields(int index) = 0;
  virtual std::string pagePathOf(int index) = 0;
  // The button Return presses: Post while editing, none while browsing.
  virtual QAbstractButton* DefaultButton();
  // The end of "New", the new record shown: the focus goes to idEdit when the ID is typed.
  virtual void newRecordShown();
  // After browseMode and editMode, for the editor's own controls.
  virtual void modeChanged(bool editing);
  // Puts the focus in a field with its text selected, so that typing replaces it.
  static void focusField(QLineEdit* field);
  // Whatever is typed into the field comes out in upper case (IDs), or in lower case.
  static void upperCaseInput(QLineEdit* field);
  static void lowerCaseInput(QLineEdit* field);
  // Adds "Export CSV..." to the File menu: the table of the shown record, written (atomically)
  // into the file the user picks.
  void addCsvExport(std::function<CsvTable(int index)> table);
  // Adds the editor's results command to the Edit menu, after a separator, on Ctrl+R
  // (object name "resultsAction").
  void addResultsAction(const QString& caption, std::function<void()> run);

  // The area between the ID row and the buttons where the subclass puts its fields.
  QWidget* fieldArea() const { return fields_; }
  // The "&File" and "&Edit" menus, for an editor's own items.
  QMenu* fileMenu() const { return fileMenu_; }
  QMenu* editMenu() const { return editMenu_; }
  RecordListAdapter& list() { return *list_; }
  // The record at an index of the list (inside it), and the shown one (nullptr when none is).
  template <class T>
  T& recordAt(int index) {
    return static_cast<RecordListAdapterOf<T>&>(*list_).recordAt(index);
  }
  template <class T>
  T* shownRecord() {
    return list_->isValidIndex(index_) ? &recordAt<T>(index_) : nullptr;
  }
  // Field edits call markEdited, and the frame's menu shortcuts win over the line edit's own.
  void watchField(QLineEdit* field);

  // Copies the record at the current index into the controls and sets the scroll bar.
  void showRecord();
  // Saves the shown record (or removes the new record when the typed ID says so), renaming it
  // when its ID changed. An empty ID, or one another record holds, is refused. false, staying
  // in the edit state, when refused or not saved (the user has been told why).
  virtual bool postRecord();
  void setStatus(const QString& text, const QColor& color = QColor());
  void browseMode();
  void editMode();

  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  QLineEdit* idEdit = nullptr;
  QLineEdit* findEdit = nullptr;
  QScrollBar* scrollBar = nullptr;
  QToolButton* newButton = nullptr;
  QToolButton* deleteButton = nullptr;
  QToolButton* webButton = nullptr;
  QPushButton* postButton = nullptr;
  StatusPanel* statusPanel = nullptr;

 private:
  void createMenus();
  void createFileMenu();
  void createEditMenu();
  void createRecordMenu();
  void createWidgets();
  void createLayout();
  void connectSignals();
  QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys,
                    void (RecordEditor::*slot)());

  std::string dataPath() const;
  int checkedIndex(int index) const;
  void updateScrollBar();
  void addRecord();
  void endEdit();
  QString pendingEditText() const;
  void leadTabToFields();
  bool onlyPlaceholder() const;
  void takePlaceholderAsNew();
  void showNewRecord();
  void discardEdit();
  bool removesID(const std::string& id) const;
  bool acceptID(const std::string& oldID, const std::string& newID);
  QString deleteQuestion() const;
  bool saveShown(const std::string& id);
  void fileUnderNewId(const std::string& oldID, const std::string& newID);
  void removePlaceholder();
  void deleteShown();
  void reportEnd(const QString& which);
  void showFailure(const QString& text, const Status& status);
  QString askFileName(bool save, const QString& title);
  void exportCsv(const std::function<CsvTable(int index)>& table);

  EditorTraits traits_;
  std::unique_ptr<RecordListAdapter> list_;
  int index_ = 0;
  bool adding_ = false;
  bool edited_ = false;
  bool loading_ = false;
  // Set when the window lost the focus to one of its own message boxes or dialogs: their
  // closing re-activates the window, which must not re-display the record being edited.
  bool skipNextActivate_ = false;
  bool tabLeadsToFields_ = false;
  // The first record offered in an empty list, and nothing typed into it yet.
  bool untouched_ = false;

  QWidget* fields_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* mergeAction = nullptr;
  QAction* openAction = nullptr;
  QAction* saveAsAction = nullptr;
  QAction* closeAction = nullptr;
  QAction* undoAction = nullptr;
  QAction* copyAction = nullptr;
  QAction* pasteAction = nullptr;
  QAction* firstAction = nullptr;
  QAction* previousAction = nullptr;
  QAction* nextAction = nullptr;
  QAction* lastAction = nullptr;
  QAction* newAction = nullptr;
  QAction* editAction = nullptr;
  QAction* deleteAction = nullptr;
  QAction* postAction = nullptr;
  QAction* cancelAction = nullptr;
  QAction* helpAction = nullptr;
};

}  // namespace cardwise::app
