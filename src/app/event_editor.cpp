#include "app/event_editor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/editor_fields.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "records/course.h"
#include "records/round.h"
#include "results/csv_export.h"
#include "results/event_results.h"
#include "settings/settings.h"
#include "web/site.h"

namespace cardwise::app {

namespace {

using EventAdapter = TRecordListAdapter<TEvent>;

constexpr int kPlayerColumn = 2;
const char kPlayerTitle[] = "Player";

EditorTraits EventTraits() {
  EditorTraits traits = MakeEditorTraits("event", "Event", kEventsFile);
  traits.Caption = "Add/Edit Events";
  traits.MenuTitle = "E&vent";  // Alt+E is the Edit menu
  traits.BrowseHint =
      "Show Event Index Page, Start Web-Browser... (You must make the web page "
      "first)";
  traits.UsesOf = [](const std::string& id) { return EventUses(ProcessDatabase(), id); };
  return traits;
}

std::string EventName(const TEvent& event) {
  return event.Event;
}

bool IsManual(int type) {
  return type == kManualAscending || type == kManualDescending;
}

}  // namespace

const QStringList& TFEvent::TypeNames() {
  static const QStringList names = {"Strokes gross", "Strokes net, hcp", "Points, Stableford",
                                    "Enter results manually, Ascending",
                                    "Enter results manually, Descending"};
  return names;
}

TFEvent::TFEvent(QWidget* parent)
    : TRecordEditor(EventTraits(), std::make_unique<EventAdapter>(Events(), &EventName), parent) {
  setObjectName("TFEvent");
  createFields();
  createMenuItems();
  // On a copy: the export ranks the results without changing the event being shown.
  AddCsvExport([this](int index) {
    TEvent event = RecordAt<TEvent>(index);
    return EventResultsTable(event, ProcessDatabase());
  });
}

// ---- construction

void TFEvent::createFields() {
  auto* form = new QGridLayout(FieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label, const QString& hint) {
    edit = AddField(form, name, label, hint, row++, 0);
    WatchField(edit);
  };
  field(Eevent, "Eevent", "Event &name", QString());
  field(Eedate, "Eedate", "Date", QString());
  field(EcourseID, "EcourseID", "&Course ID", "The ID should be short");
  Ecourse = AddField(form, "Ecourse", "Course", QString(), row++, 0);
  Ecourse->setReadOnly(true);
  Ecourse->setFocusPolicy(Qt::ClickFocus);
  field(Eheader, "Eheader", "He&ader", "Header file in Template directory");
  UpperCaseInput(EcourseID);
  AddIdCompleter(EcourseID,
                 [] { return IdEntries(Courses(), [](const TCourse& c) { return c.Course; }); });
  connect(EcourseID, &QLineEdit::textChanged, this, &TFEvent::LookUpCourse);
  Eevent->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
  OnDoubleClick(Eedate, [this] { DoSetToday(); });
  CBmake = new QCheckBox("Make Web-Page");
  CBmake->setObjectName("CBmake");
  form->addWidget(CBmake, row++, 1);
  createTypeGroup(form, row++);
  SG = new TResultsGrid({{24, 36, 130, 112, 40}, {2, 3}, true, kPlayerColumn});
  SG->PlayerName = PlayerNameOf;
  SG->setObjectName("SG");
  SG->setMinimumHeight(SG->verticalHeader()->defaultSectionSize() * 8);
  form->addWidget(SG, 0, 2, row + 1, 1);
  Bresults = new QPushButton("Results / Sort");
  Bresults->setObjectName("Bresults");
  Bresults->setToolTip("Calc and sort event results");
  Bresults->setAutoDefault(false);
  form->addWidget(Bresults, row, 1);
  connect(Bresults, &QPushButton::clicked, this, &TFEvent::DoSetResults);
  connect(SG, &TResultsGrid::entered, this, &TFEvent::DoSGEnter);
  connect(SG, &TResultsGrid::cellEdited, this, &TFEvent::DoFlagEdit);
  connect(SG, &TResultsGrid::doubleClickedAt, SG, &TResultsGrid::AddRow);
}

void TFEvent::createTypeGroup(QGridLayout* form, int row) {
  RGtype = AddTypeGroup(this, form, row, "Event type", TypeNames());
  connect(RGtype, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) DoTypeChanged();
  });
}

void TFEvent::createMenuItems() {
  EditMenu()->addSeparator();
  QAction* results = EditMenu()->addAction("&Results / Sort");
  results->setObjectName("MIeresults");
  results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(results, &QAction::triggered, this, &TFEvent::DoSetResults);
  MIecopyp = EditMenu()->addAction("Copy players");
  MIecopyp->setObjectName("MIecopyp");
  MIepastep = EditMenu()->addAction("Paste players");
  MIepastep->setObjectName("MIepastep");
  connect(MIecopyp, &QAction::triggered, this, &TFEvent::MIecopypClick);
  connect(MIepastep, &QAction::triggered, this, &TFEvent::MIepastepClick);
}

// ---- showing

// The titles come from the caption table every time, so that a changed caption shows.
void TFEvent::SetUpGrid() {
  SG->SetTitles({CaptionOf(Caption::Pos), CaptionOf(Caption::Res), CaptionOf(Caption::Player),
                 CaptionOf(Caption::Round), CaptionOf(Caption::Notes)});
}

void TFEvent::ShowFields(int index) {
  const TEvent& event = RecordAt<TEvent>(index);
  SetUpGrid();
  Eevent->setText(ToQString(event.Event));
  Eheader->setText(ToQString(event.Header));
  Eedate->setText(event.Date > 0 ? ToQString(ShortDateText(event.Date)) : QString());
  EcourseID->setText(ToQString(event.CourseID));
  LookUpCourse();  // the same ID may name another course by now
  CBmake->setChecked(event.Make);
  ShowType(RGtype, event.Type);
  EnablePastePlayers();
  SG->ShowLines(event.Results);
}

void TFEvent::ClearFields() {
  SetUpGrid();
  for (QLineEdit* field : {Eevent, Eheader, Eedate, EcourseID})
    field->clear();
  SG->ShowLines({});
  EnablePastePlayers();
}

void TFEvent::LookUpCourse() {
  const TCourse* course = Courses().FindRecord(FieldText(EcourseID));
  Ecourse->setText(course ? ToQString(course->Course) : QString());
  FlagUnknownId(EcourseID, Ecourse, course, "course list");
}

// A new event starts with the type of the event posted last (Strokes gross at first), so that
// no event is posted without one.
void TFEvent::NewRecordShown() {
  ShowType(RGtype, lastType_);
  EnablePastePlayers();
  TRecordEditor::NewRecordShown();
}

void TFEvent::EnablePastePlayers() {
  MIepastep->setEnabled(IsManual(RGtype->checkedId()));
}

// ---- editing

void TFEvent::DoTypeChanged() {
  DoFlagEdit();
  EnablePastePlayers();
}

void TFEvent::DoSetToday() {
  Eedate->setText(ToQString(ShortDateText(Today())));
}

void TFEvent::DoSGEnter() {
  DoFlagEdit();
  SG->GrowTo(1);
  SG->SetCursor(1, 1);
}

void TFEvent::DoSetResults() {
  if (!PostPending()) return;
  TEvent* event = ShownRecord<TEvent>();
  if (!event) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // An empty row of the grid is no result: ranked, it would become a place without a player.
  std::erase_if(event->Results, IsBlankResult);
  CalcResults(*event, Rounds());
  ShowRecord();
  QApplication::restoreOverrideCursor();
  DoFlagEdit();
}

void TFEvent::MIecopypClick() {
  SG->CommitEdit();
  QStringList lines;
  for (int row = 0; row <= SG->LineCount(); ++row)
    lines << SG->Text(row, kPlayerColumn);
  QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
}

// A new field of players: the places, results, rounds and notes of the rows they fill are
// emptied. Only a text that starts with the title "Player" is taken.
void TFEvent::MIepastepClick() {
  QStringList lines = QGuiApplication::clipboard()->text().split('\n');
  for (QString& line : lines)
    line = line.trimmed();
  while (!lines.isEmpty() && lines.back().isEmpty())
    lines.removeLast();
  if (lines.isEmpty() || lines.front() != kPlayerTitle) {
    Prompts().ShowError(this, "Cardwise", "First line of pasted text must = \"Player\"");
  } else {
    SG->GrowTo(static_cast<int>(lines.size()) - 1);
    for (int row = 1; row < lines.size(); ++row)
      for (int column = 0; column < TResultsGrid::kColumns; ++column)
        SG->SetText(row, column, column == kPlayerColumn ? lines[row] : QString());
  }
  DoFlagEdit();
}

// ---- posting

bool TFEvent::StoreFields(int index) {
  TEvent& event = RecordAt<TEvent>(index);
  event.Event = FieldText(Eevent);
  event.Header = FieldText(Eheader);
  const std::optional<DateTime> date = ReadDateField(this, Eedate, true);
  if (!date) return false;
  event.Date = *date;
  event.CourseID = FieldText(EcourseID);
  if (RGtype->checkedId() >= 0) event.Type = lastType_ = RGtype->checkedId();
  event.Make = CBmake->isChecked();
  SG->CommitEdit();
  const std::vector<std::string> lines = SG->Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < event.Results.size())
      event.Results[i] = lines[i];
    else
      event.Results.push_back(lines[i]);
  }
  return true;
}

std::string TFEvent::PagePathOf(int index) {
  const TEvent& event = RecordAt<TEvent>(index);
  return PagePath(Settings(), EventPage(Settings(), event));
}

}  // namespace cardwise::app
