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
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "app/draw_window.h"
#include "app/editor_fields.h"
#include "app/print/card_painter.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/team_fields.h"
#include "records/course.h"
#include "records/round.h"
#include "results/cards.h"
#include "results/csv_export.h"
#include "results/divisions.h"
#include "results/event_results.h"
#include "results/team_results.h"
#include "settings/settings.h"
#include "web/site.h"

namespace cardwise::app {

namespace {

using EventAdapter = RecordListAdapterOf<Event>;

constexpr int kPlayerColumn = 2;
const char kPlayerTitle[] = "Player";

EditorTraits eventTraits() {
  EditorTraits traits = makeEditorTraits("event", "Event", kEventsFile);
  traits.Caption = "Add/Edit Events";
  traits.MenuTitle = "E&vent";  // Alt+E is the Edit menu
  traits.BrowseHint =
      "Show Event Index Page, Start Web-Browser... (You must make the web page "
      "first)";
  traits.UsesOf = [](const std::string& id) { return EventUses(ProcessDatabase(), id); };
  return traits;
}

std::string EventName(const Event& event) {
  return event.Name;
}

bool isManual(int type) {
  return type == kManualAscending || type == kManualDescending;
}

}  // namespace

const QStringList& EventEditor::typeNames() {
  static const QStringList names = {"Strokes gross", "Strokes net, hcp", "Points, Stableford",
                                    "Enter results manually, Ascending",
                                    "Enter results manually, Descending"};
  return names;
}

EventEditor::EventEditor(QWidget* parent)
    : RecordEditor(eventTraits(), std::make_unique<EventAdapter>(Events(), &EventName), parent) {
  setObjectName("EventEditor");
  createFields();
  createMenuItems();
  // On a copy: the export ranks the results without changing the event being shown.
  addCsvExport([this](int index) {
    Event event = recordAt<Event>(index);
    return EventResultsTable(event, ProcessDatabase());
  });
}

// ---- construction

void EventEditor::createFields() {
  auto* form = new QGridLayout(fieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label, const QString& hint) {
    edit = addField(form, name, label, hint, row++, 0);
    watchField(edit);
  };
  field(eventEdit, "eventEdit", "Event &name", QString());
  field(eventDateEdit, "eventDateEdit", "Date", QString());
  field(courseIdEdit, "courseIdEdit", "&Course ID", "The ID should be short");
  courseEdit = addField(form, "courseEdit", "Course", QString(), row++, 0);
  courseEdit->setReadOnly(true);
  courseEdit->setFocusPolicy(Qt::ClickFocus);
  field(headerEdit, "headerEdit", "He&ader", "Header file in Template directory");
  field(divisionsEdit, "divisionsEdit", "Divisi&ons",
        "Upper handicap limits of the divisions, ascending: 10,20");
  upperCaseInput(courseIdEdit);
  addIdCompleter(courseIdEdit,
                 [] { return idEntries(Courses(), [](const Course& c) { return c.Name; }); });
  connect(courseIdEdit, &QLineEdit::textChanged, this, &EventEditor::lookUpCourse);
  eventEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
  onDoubleClick(eventDateEdit, [this] { setToday(); });
  makePagesBox = new QCheckBox("Make Web-Page");
  makePagesBox->setObjectName("makePagesBox");
  form->addWidget(makePagesBox, row++, 1);
  createTypeGroup(form, row++);
  teamFields = new TeamFields;
  form->addWidget(teamFields, row++, 0, 1, 2);
  connect(teamFields, &TeamFields::edited, this, &EventEditor::markEdited);
  resultsGrid = new ResultsGrid({{24, 36, 130, 112, 40}, {2, 3}, true, kPlayerColumn});
  resultsGrid->PlayerName = [this](const QString& id) { return playerWithDivision(id); };
  resultsGrid->setObjectName("resultsGrid");
  resultsGrid->setMinimumHeight(resultsGrid->verticalHeader()->defaultSectionSize() * 8);
  form->addWidget(resultsGrid, 0, 2, row + 1, 1);
  resultsButton = new QPushButton("Results / Sort");
  resultsButton->setObjectName("resultsButton");
  resultsButton->setToolTip("Calc and sort event results");
  resultsButton->setAutoDefault(false);
  form->addWidget(resultsButton, row, 1);
  connect(resultsButton, &QPushButton::clicked, this, &EventEditor::calculateResults);
  connect(resultsGrid, &ResultsGrid::entered, this, &EventEditor::enterGrid);
  connect(resultsGrid, &ResultsGrid::cellEdited, this, &EventEditor::markEdited);
  connect(resultsGrid, &ResultsGrid::doubleClickedAt, resultsGrid, &ResultsGrid::addRow);
}

void EventEditor::createTypeGroup(QGridLayout* form, int row) {
  typeGroup = addTypeGroup(this, form, row, "Event type", typeNames());
  connect(typeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) changeType();
  });
}

void EventEditor::createMenuItems() {
  addResultsAction("&Results / Sort", [this] { calculateResults(); });
  copyPlayersAction = editMenu()->addAction("Copy players");
  copyPlayersAction->setObjectName("copyPlayersAction");
  pastePlayersAction = editMenu()->addAction("Paste players");
  pastePlayersAction->setObjectName("pastePlayersAction");
  connect(copyPlayersAction, &QAction::triggered, this, &EventEditor::copyPlayers);
  connect(pastePlayersAction, &QAction::triggered, this, &EventEditor::pastePlayers);
  QAction* before = fileMenu()->actions().last();  // Close stays last
  drawAction = new QAction("&Draw...", this);
  drawAction->setObjectName("drawAction");
  printCardsAction = new QAction("&Print cards...", this);
  printCardsAction->setObjectName("printCardsAction");
  fileMenu()->insertActions(before, {drawAction, printCardsAction});
  connect(drawAction, &QAction::triggered, this, &EventEditor::openDraw);
  connect(printCardsAction, &QAction::triggered, this, &EventEditor::printCards);
}

// ---- showing

// The titles come from the caption table every time, so that a changed caption shows.
void EventEditor::setUpGrid() {
  resultsGrid->setTitles({captionOf(Caption::Pos), captionOf(Caption::Res),
                          captionOf(Caption::Player), captionOf(Caption::Round),
                          captionOf(Caption::Notes)});
}

void EventEditor::showFields(int index) {
  const Event& event = recordAt<Event>(index);
  setUpGrid();
  eventEdit->setText(toQString(event.Name));
  headerEdit->setText(toQString(event.Header));
  eventDateEdit->setText(event.Date > 0 ? toQString(ShortDateText(event.Date)) : QString());
  courseIdEdit->setText(toQString(event.CourseID));
  lookUpCourse();  // the same ID may name another course by now
  makePagesBox->setChecked(event.Make);
  divisionsEdit->setText(toQString(DivisionsText(event.Divisions)));
  showType(typeGroup, event.Type);
  teamFields->showEvent(event);
  enablePastePlayers();
  resultsGrid->showLines(event.Results);
}

void EventEditor::clearFields() {
  setUpGrid();
  for (QLineEdit* field : {eventEdit, headerEdit, eventDateEdit, courseIdEdit, divisionsEdit})
    field->clear();
  teamFields->clear();
  resultsGrid->showLines({});
  enablePastePlayers();
}

void EventEditor::lookUpCourse() {
  const Course* course = Courses().FindRecord(fieldText(courseIdEdit));
  courseEdit->setText(course ? toQString(course->Name) : QString());
  flagUnknownId(courseIdEdit, courseEdit, course, "course list");
}

// The player's name, and for an event with divisions the division of the player's line.
QString EventEditor::playerWithDivision(const QString& id) {
  const QString name = playerNameOf(id);
  const Event* event = shownRecord<Event>();
  int index = -1;
  if (!event || event->Divisions.empty() || !event->FindResult(fromQString(id), index)) return name;
  const std::string division =
      ResultDivision(*event, event->Results[static_cast<std::size_t>(index)], ProcessDatabase());
  return division.empty() ? name : name + "  (" + toQString(division) + ")";
}

// A new event starts with the type of the event posted last (Strokes gross at first), so that
// no event is posted without one.
void EventEditor::newRecordShown() {
  showType(typeGroup, lastType_);
  enablePastePlayers();
  RecordEditor::newRecordShown();
}

void EventEditor::enablePastePlayers() {
  pastePlayersAction->setEnabled(isManual(typeGroup->checkedId()));
}

// ---- editing

void EventEditor::changeType() {
  markEdited();
  enablePastePlayers();
}

void EventEditor::setToday() {
  eventDateEdit->setText(toQString(ShortDateText(Today())));
}

void EventEditor::enterGrid() {
  markEdited();
  resultsGrid->growTo(1);
  resultsGrid->moveCursorTo(1, 1);
}

void EventEditor::calculateResults() {
  if (!postPending()) return;
  Event* event = shownRecord<Event>();
  if (!event) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // An empty row of the grid is no result: ranked, it would become a place without a player.
  std::erase_if(event->Results, IsBlankResult);
  const Status status = CalcEventResults(*event, Rounds(), Players(), Courses());
  showRecord();
  QApplication::restoreOverrideCursor();
  if (!status) Prompts().showError(this, "Event", toQString(status.message()));
  markEdited();
}

void EventEditor::copyPlayers() {
  resultsGrid->commitEdit();
  QStringList lines;
  for (int row = 0; row <= resultsGrid->lineCount(); ++row)
    lines << resultsGrid->cellText(row, kPlayerColumn);
  QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
}

// A new field of players: the places, results, rounds and notes of the rows they fill are
// emptied. Only a text that starts with the title "Player" is taken.
void EventEditor::pastePlayers() {
  QStringList lines = QGuiApplication::clipboard()->text().split('\n');
  for (QString& line : lines)
    line = line.trimmed();
  while (!lines.isEmpty() && lines.back().isEmpty())
    lines.removeLast();
  if (lines.isEmpty() || lines.front() != kPlayerTitle) {
    Prompts().showError(this, "Cardwise", "First line of pasted text must = \"Player\"");
  } else {
    resultsGrid->growTo(static_cast<int>(lines.size()) - 1);
    for (int row = 1; row < lines.size(); ++row)
      for (int column = 0; column < ResultsGrid::kColumns; ++column)
        resultsGrid->setCellText(row, column, column == kPlayerColumn ? lines[row] : QString());
  }
  markEdited();
}

// ---- posting

bool EventEditor::storeFields(int index) {
  Event& event = recordAt<Event>(index);
  if (const std::optional<QString> problem = teamFields->storeInto(event)) {
    Prompts().showError(this, "Cardwise", *problem);
    return false;
  }
  event.Name = fieldText(eventEdit);
  event.Header = fieldText(headerEdit);
  const std::optional<DateTime> date = readDateField(this, eventDateEdit, true);
  if (!date) return false;
  event.Date = *date;
  event.CourseID = fieldText(courseIdEdit);
  if (typeGroup->checkedId() >= 0) event.Type = lastType_ = typeGroup->checkedId();
  event.Make = makePagesBox->isChecked();
  const std::optional<std::vector<double>> divisions = ParseDivisions(fieldText(divisionsEdit));
  if (!divisions) {
    Prompts().showError(this, "Cardwise", "Divisions: ascending handicap limits, such as 10,20");
    divisionsEdit->setFocus();
    return false;
  }
  event.Divisions = *divisions;
  resultsGrid->commitEdit();
  const std::vector<std::string> lines = resultsGrid->lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < event.Results.size())
      event.Results[i] = lines[i];
    else
      event.Results.push_back(lines[i]);
  }
  return true;
}

// ---- the draw and the cards

void EventEditor::openDraw() {
  if (!postPending()) return;
  const Event* event = shownRecord<Event>();
  if (!event) return;
  DrawWindow window(this);
  window.openEvent(event->ID);
  window.exec();
  showRecord();
}

void EventEditor::printCards() {
  if (!postPending()) return;
  const Event* event = shownRecord<Event>();
  if (!event) return;
  std::string missing;
  const std::optional<std::vector<Card>> cards = EventCards(*event, ProcessDatabase(), missing);
  if (!cards) {
    Prompts().showError(this, "Print cards", toQString(missing) + ".");
    return;
  }
  QPrinter printer;
  printer.setPageLayout(cardPageLayout(Settings().Paper));
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName("printDialog");
  if (dialog.exec() != QDialog::Accepted) return;
  QPainter painter(&printer);
  paintCards(painter, printer, *cards);
}

std::string EventEditor::pagePathOf(int index) {
  const Event& event = recordAt<Event>(index);
  return PagePath(Settings(), EventPage(Settings(), event));
}

}  // namespace cardwise::app
