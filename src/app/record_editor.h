#pragma once
// The record editor frame the five editors share: one record of a list shown at a time, the
// scroll bar over the list, the find box, Add, Del, Post and Browse, the File, Edit and record
// menus, and the coloured status line. The per-editor differences are parameters
// (EditorTraits); the record kind's own fields come from a subclass (ShowFields, StoreFields,
// ClearFields, PagePathOf); the list is reached through a RecordListAdapter.
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
// What ShowRecord does with a current index outside the list: show the nearest record, or show
// nothing while the index is negative (an index past the end still shows the last record).
enum class IndexCheck { Clamp, NothingWhenNegative };

struct EditorTraits {
  QString Caption;      // the window caption: "Edit Players"
  QString Word;         // in the status texts: "player"
  QString Title;        // the record menu ("&" + Title), dialog titles, paste hint: "Player"
  QString MenuTitle;    // the record menu: "&Player"
  QString HelpTopic;    // "PLAYER"
  QString FilePattern;  // the file dialogs' pattern: "P*.DAT"
  QString IdLabel;      // the label of Eid: "Player &ID"
  QString FindLabel = "Fin&d ID";
  QString NewHint, DelHint, BrowseHint, PostHint;
  DataKind File = kPlayersFile;  // the list's file-name setting
  // True: a new record's ID is typed in Eid (status "New player added, Give ID"); false: it is
  // computed on post, Eid stays read-only and the find box is disabled until the post.
  bool GiveID = true;
  PostRemoves Removes = PostRemoves::Placeholder;
  IndexCheck Check = IndexCheck::Clamp;
  // First, Previous, Next, Last and Find post an edited record first.
  bool NavigationPosts = false;
  // What to change when a post gives the record the ID of another one: "Give this player
  // another ID." (the default of MakeEditorTraits).
  QString DuplicateIdAdvice;
  // The records that hold the ID of the record to delete (none when unset): the delete question
  // names them.
  std::function<RecordUses(const std::string& id)> UsesOf;
};

// The traits with the hints and words every editor derives from its record word ("course")
// and title ("Course"): "Add new course", "Delete current course", "Show Course Index Page,
// Start Web-Browser...", "Post changes to current course", help topic "COURSE", "Course &ID",
// "Give this course another ID.".
EditorTraits MakeEditorTraits(const QString& word, const QString& title, DataKind file);

class TRecordEditor : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window over the list; the subclass adds its fields to FieldArea() in its own
  // constructor. The list is read only from the first showing or activation on.
  TRecordEditor(EditorTraits traits, std::unique_ptr<RecordListAdapter> list,
                QWidget* parent = nullptr);
  ~TRecordEditor() override;

  // The new, delete and post buttons take the images of the chosen set.
  void ApplyButtonImages(bool trueColor);

  const EditorTraits& Traits() const { return traits_; }
  int CurrentIndex() const { return index_; }
  bool Edited() const { return edited_; }
  bool Adding() const { return adding_; }
  bool Loading() const { return loading_; }

  // For a change of the list from outside the editor (more records loaded): an edit in progress
  // is posted first (false when that failed: leave the list alone), and afterwards the record
  // shown before is shown again at its new place.
  bool PostPending();
  // Before the editor shows another record or closes: an edit in progress is posted (rounds, on
  // navigation) or the user is asked Save / Discard / Cancel. false: the user cancelled or the
  // post failed, and everything stays as it was.
  bool SettleEdit(bool navigating);
  std::string ShownKey() const;
  void ShowKey(const std::string& key);

 public slots:
  // Makes the status panel current and, while browsing, shows the current record from memory
  // again (another window may have changed the list). Runs whenever the window becomes active.
  virtual void FormActivate();
  void DoFind();
  void SBScroll(int position);
  void DoNew();
  void DoDel();
  void DoPost();
  void DoUndo();
  // A field changed (ignored while a record is being shown) or "Edit" was chosen.
  void DoFlagEdit();
  void DoBrowse();
  void DoHelp();
  void DoFirst();
  void DoPrev();
  void DoNext();
  void DoLast();
  void DoCopy();
  void DoPaste();
  void DoMerge();
  void DoOpen();
  // Writes the whole list to DataDir + the picked name, which becomes the file-name setting
  // and the list's file (where later deletions erase their sections).
  void DoSaveAs();
  void DoClose();

 protected:
  // The record kind's part: copy the record at `index` into the field controls, clear them
  // when there is nothing to show, copy the controls into the record, and the record's page.
  // A post sets the record's ID from Eid before StoreFields (which may compute another) and
  // makes one from the record's fields when it is empty afterwards. StoreFields returns false,
  // having told the user why, when a field cannot be taken: the post stops in the edit state.
  virtual void ShowFields(int index) = 0;
  virtual void ClearFields() = 0;
  virtual bool StoreFields(int index) = 0;
  virtual std::string PagePathOf(int index) = 0;
  // The button Return presses: Post while editing, none while browsing.
  virtual QAbstractButton* DefaultButton();
  // The end of "New", the new record shown: the focus goes to Eid when the ID is typed.
  virtual void NewRecordShown();
  // After BrowseMode and EditMode, for the editor's own controls.
  virtual void ModeChanged(bool editing);
  // Puts the focus in a field with its text selected, so that typing replaces it.
  static void FocusField(QLineEdit* field);
  // Whatever is typed into the field comes out in upper case (IDs), or in lower case.
  static void UpperCaseInput(QLineEdit* field);
  static void LowerCaseInput(QLineEdit* field);
  // Adds "Export CSV..." to the File menu: the table of the shown record, written (atomically)
  // into the file the user picks.
  void AddCsvExport(std::function<CsvTable(int index)> table);

  // The area between the ID row and the buttons where the subclass puts its fields.
  QWidget* FieldArea() const { return fields_; }
  // The "&File" and "&Edit" menus, for an editor's own items.
  QMenu* FileMenu() const { return fileMenu_; }
  QMenu* EditMenu() const { return editMenu_; }
  RecordListAdapter& List() { return *list_; }
  // The record at an index of the list (inside it), and the shown one (nullptr when none is).
  template <class T>
  T& RecordAt(int index) {
    return static_cast<TRecordListAdapter<T>&>(*list_).RecordAt(index);
  }
  template <class T>
  T* ShownRecord() {
    return list_->IsValidIndex(index_) ? &RecordAt<T>(index_) : nullptr;
  }
  // Field edits call DoFlagEdit, and the frame's menu shortcuts win over the line edit's own.
  void WatchField(QLineEdit* field);

  // Copies the record at the current index into the controls and sets the scroll bar.
  void ShowRecord();
  // Saves the shown record (or removes the new record when the typed ID says so), renaming it
  // when its ID changed. An empty ID, or one another record holds, is refused. false, staying
  // in the edit state, when refused or not saved (the user has been told why).
  virtual bool PostRecord();
  void SetStatus(const QString& text, const QColor& color = QColor());
  void BrowseMode();
  void EditMode();

  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  QLineEdit* Eid = nullptr;
  QLineEdit* Efid = nullptr;
  QScrollBar* SB = nullptr;
  QToolButton* SBnew = nullptr;
  QToolButton* SBdel = nullptr;
  QToolButton* SBwww = nullptr;
  QPushButton* BBpost = nullptr;
  StatusPanel* Pstatus = nullptr;

 private:
  void createMenus();
  void createFileMenu();
  void createEditMenu();
  void createRecordMenu();
  void createWidgets();
  void createLayout();
  void connectSignals();
  QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys,
                    void (TRecordEditor::*slot)());

  std::string DataPath() const;
  int CheckedIndex(int index) const;
  void UpdateScrollBar();
  void AddRecord();
  void EndEdit();
  QString PendingEditText() const;
  void LeadTabToFields();
  bool OnlyPlaceholder() const;
  void TakePlaceholderAsNew();
  void ShowNewRecord();
  void DiscardEdit();
  bool RemovesID(const std::string& id) const;
  bool AcceptID(const std::string& oldID, const std::string& newID);
  QString DeleteQuestion() const;
  bool SaveShown(const std::string& id);
  void Rename(const std::string& oldID, const std::string& newID);
  void RemovePlaceholder();
  void DeleteShown();
  void ReportEnd(const QString& which);
  void ShowFailure(const QString& text, const Status& status);
  QString AskFileName(bool save, const QString& title);
  void DoExportCsv(const std::function<CsvTable(int index)>& table);

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
  QAction* MIfmerge = nullptr;
  QAction* MIfopen = nullptr;
  QAction* MIfsave = nullptr;
  QAction* MIfclose = nullptr;
  QAction* MIeundo = nullptr;
  QAction* MIecopy = nullptr;
  QAction* MIepaste = nullptr;
  QAction* MIpfirst = nullptr;
  QAction* MIpprev = nullptr;
  QAction* MIpnext = nullptr;
  QAction* MIplast = nullptr;
  QAction* MIpnew = nullptr;
  QAction* MIpedit = nullptr;
  QAction* MIpdelete = nullptr;
  QAction* MIppost = nullptr;
  QAction* MIpcancel = nullptr;
  QAction* MIhelp = nullptr;
};

}  // namespace cardwise::app
