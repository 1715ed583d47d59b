#include "app/tour_editor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "app/editor_fields.h"
#include "app/list_change.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/weights_dialog.h"
#include "records/numbers.h"
#include "records/text.h"
#include "results/csv_export.h"
#include "results/database.h"
#include "results/tour_scoring.h"
#include "results/tour_standings.h"
#include "settings/settings.h"
#include "web/site.h"

namespace cardwise::app {

namespace {

using TourAdapter = RecordListAdapterOf<Tour>;

EditorTraits tourTraits() {
  EditorTraits traits = makeEditorTraits("tour", "Tour", kToursFile);
  traits.Caption = "Add/Edit Tours";
  traits.Check = IndexCheck::NothingWhenNegative;
  return traits;
}

std::string tourName(const Tour& tour) {
  return tour.Name;
}

}  // namespace

const QStringList& TourEditor::typeNames() {
  static const QStringList names = [] {
    QStringList captions;
    for (const TourScoringSystem& system : TourScoringSystems())
      captions << system.Caption;
    return captions;
  }();
  return names;
}

TourEditor::TourEditor(QWidget* parent)
    : RecordEditor(tourTraits(), std::make_unique<TourAdapter>(Tours(), &tourName), parent) {
  setObjectName("TourEditor");
  createFields();
  createMenuItems();
  addCsvExport([this](int index) {
    Tour tour = recordAt<Tour>(index);
    return TourStandingsTable(tour, ProcessDatabase());
  });
}

// ---- construction

void TourEditor::createFields() {
  auto* form = new QGridLayout(fieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label, const QString& hint) {
    edit = addField(form, name, label, hint, row++, 0);
    watchField(edit);
  };
  field(tourEdit, "tourEdit", "Tour", QString());
  field(playerCountEdit, "playerCountEdit", "Players", "Total number of players in Tour");
  field(worstEdit, "worstEdit", "Worst", "Dont count the x worst events");
  field(folderEdit, "folderEdit", "Directory",
        "The directory where the tour html-files should be created");
  field(headerEdit, "headerEdit", "He&ader", "Header file in Template directory for html files");
  field(mandatoryEventsEdit, "mandatoryEventsEdit", "Mandatory Event IDs", QString());
  playerCountEdit->setReadOnly(true);
  playerCountEdit->setFocusPolicy(Qt::ClickFocus);
  // Folder and file names of the web site are typed in lower case.
  for (QLineEdit* lower : {folderEdit, headerEdit})
    lowerCaseInput(lower);
  tourEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
  createTypeGroup(form, row++);
  createButtons(form, row++);
  eventList = new QListWidget;
  eventList->setObjectName("eventList");
  auto* eventsLabel = new QLabel("E&vents in tour");
  eventsLabel->setBuddy(eventList);
  resultsGrid = new ResultsGrid({{24, 40, 18, 130, 36}, {3}, false, 3});
  resultsGrid->PlayerName = playerNameOf;
  resultsGrid->setObjectName("resultsGrid");
  form->addWidget(eventsLabel, 0, 2);
  form->addWidget(eventList, 1, 2, row - 1, 1);
  form->addWidget(resultsGrid, 0, 3, row, 1);
  connect(eventList, &QListWidget::itemChanged, this, &TourEditor::markEdited);
  connect(resultsGrid, &ResultsGrid::entered, this, &TourEditor::enterGrid);
  connect(resultsGrid, &ResultsGrid::cellEdited, this, &TourEditor::markEdited);
  connect(resultsGrid, &ResultsGrid::doubleClickedAt, resultsGrid, &ResultsGrid::addRow);
}

void TourEditor::createTypeGroup(QGridLayout* form, int row) {
  typeGroup = addTypeGroup(this, form, row, "Tour type", typeNames());
  connect(typeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) markEdited();
  });
}

void TourEditor::createButtons(QGridLayout* form, int row) {
  auto button = [](QPushButton*& push, const char* name, const QString& caption,
                   const QString& hint) {
    push = new QPushButton(caption);
    push->setObjectName(name);
    push->setToolTip(hint);
    push->setAutoDefault(false);
  };
  button(resultsButton, "resultsButton", "&Results",
         "Calc the tour standing depending on tour type");
  button(weightsButton, "weightsButton", "Event &weights", "Tour Event Results Weights");
  form->addWidget(resultsButton, row, 0);
  form->addWidget(weightsButton, row, 1);
  connect(resultsButton, &QPushButton::clicked, this, &TourEditor::calculateResults);
  connect(weightsButton, &QPushButton::clicked, this, &TourEditor::showWeights);
}

// "Save as Event..." comes after "Save As...", between separators; like the whole File menu it
// is there only while browsing.
void TourEditor::createMenuItems() {
  QAction* close = fileMenu()->actions().last();
  fileMenu()->insertSeparator(close);
  saveAsEventAction = new QAction("Save as &Event...", this);
  saveAsEventAction->setObjectName("saveAsEventAction");
  fileMenu()->insertAction(close, saveAsEventAction);
  fileMenu()->insertSeparator(close);
  connect(saveAsEventAction, &QAction::triggered, this, &TourEditor::saveAsEvent);
  addResultsAction("&Results", [this] { calculateResults(); });
}

// ---- showing

void TourEditor::activate() {
  setUpGrid();
  if (!isEdited()) fillEventList();
  RecordEditor::activate();
}

void TourEditor::fillEventList() {
  const QSignalBlocker blocker(eventList);
  eventList->clear();
  const EventList& events = Events();
  for (int i = 0; i < events.Count(); ++i) {
    const Event& event = events.RecordAt(i);
    auto* item = new QListWidgetItem(toQString(event.ID + " " + event.Name), eventList);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

// An item's event ID is its text up to the first space.
void TourEditor::showChecks(const Tour& tour) {
  const QSignalBlocker blocker(eventList);
  for (int i = 0; i < eventList->count(); ++i) {
    QListWidgetItem* item = eventList->item(i);
    const std::string id = fromQString(item->text().section(' ', 0, 0));
    item->setCheckState(tour.HasEvent(id) ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<EventCheck> TourEditor::eventChecks() const {
  std::vector<EventCheck> checks;
  for (int i = 0; i < eventList->count(); ++i) {
    const QListWidgetItem* item = eventList->item(i);
    checks.push_back(
        {fromQString(item->text().section(' ', 0, 0)), item->checkState() == Qt::Checked});
  }
  return checks;
}

void TourEditor::setUpGrid() {
  resultsGrid->setTitles({captionOf(Caption::Pos), captionOf(Caption::Res), "#",
                          captionOf(Caption::Player), captionOf(Caption::Notes)});
}

void TourEditor::showFields(int index) {
  const Tour& tour = recordAt<Tour>(index);
  setUpGrid();
  tourEdit->setText(toQString(tour.Name));
  headerEdit->setText(toQString(tour.Header));
  mandatoryEventsEdit->setText(toQString(tour.MandatoryEvents));
  folderEdit->setText(toQString(tour.Dir));
  playerCountEdit->setText(QString::number(tour.Ntot));
  worstEdit->setText(QString::number(tour.Worst));
  showType(typeGroup, tour.Type);
  std::vector<std::string> lines;
  for (const StandingLine& line : tour.Standings)
    lines.push_back(line.Text);
  resultsGrid->showLines(lines);
  showChecks(tour);
}

void TourEditor::clearFields() {
  setUpGrid();
  for (QLineEdit* field :
       {tourEdit, headerEdit, mandatoryEventsEdit, folderEdit, playerCountEdit, worstEdit})
    field->clear();
  resultsGrid->showLines({});
  showChecks(Tour());
}

// ---- editing

void TourEditor::enterGrid() {
  markEdited();
  resultsGrid->growTo(1);
  resultsGrid->moveCursorTo(1, 1);
}

// What is on screen goes into the tour first: a new tour's checked events and type count in
// the standings without a post, and are not lost when the standings are shown.
void TourEditor::calculateResults() {
  Tour* tour = shownRecord<Tour>();
  if (!tour) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  takeScreen(*tour);
  Database database = ProcessDatabase();
  CalcTour(*tour, database);
  // Pts(p) points depend on the number of players in the tour, which these standings have just
  // counted: with a changed count the tour is computed once more, so that the standings shown
  // are those a later recalculation of the posted tour gives.
  if (static_cast<int>(tour->Standings.size()) != tour->Ntot) {
    tour->Ntot = static_cast<int>(tour->Standings.size());
    CalcTour(*tour, database);
  }
  const QString typedID = idEdit->text();  // a new tour's ID is the post's to take
  showRecord();
  if (isAdding()) idEdit->setText(typedID);
  QApplication::restoreOverrideCursor();
  markEdited();
}

WeightsDialog* TourEditor::weightsDialog() {
  if (!weights_) weights_ = new WeightsDialog(this);
  return weights_;
}

// The dialog shows the events as checked on screen, each with its own weight.
void TourEditor::showWeights() {
  Tour* tour = shownRecord<Tour>();
  if (!tour) return;
  if (weightsDialog()->editWeights(*tour, eventChecks())) markEdited();
}

void TourEditor::saveAsEvent() {
  Tour* tour = shownRecord<Tour>();
  if (!tour) return;
  QString typed = toQString(Settings().TourEventPrefix + tour->ID);
  if (!Prompts().askText(this, "Save TourID as EventID", "TourID=EventID", typed)) return;
  const std::string eventID = UpperCase(Trim(fromQString(typed)));
  if (eventID.empty()) return;
  if (Events().FindRecord(eventID) &&
      !Prompts().askYesNo(this, "Confirm", "Event " + toQString(eventID) + " exists. Replace it?"))
    return;
  if (!saveAsEventID(*tour, eventID)) return;
  Prompts().showInfoWithHelp(
      this, "Cardwise", "Saved as event: " + toQString(eventID) + "\rIt is in the event list now.",
      "TOURASEVENT");
}

// Writes the tour's standing as the event `eventID` and takes that event into the event list
// as the file now holds it.
bool TourEditor::saveAsEventID(Tour& tour, const std::string& eventID) {
  const EditorsListChange change;
  if (!change.isReady()) return false;
  const std::string path = DataFilePath(Settings(), kEventsFile);
  const std::string own = std::exchange(tour.ID, eventID);
  Status status = SaveAsEvent(tour, path);
  tour.ID = own;
  Event* event = Events().FindRecord(eventID);
  if (status && !event) {
    auto added = std::make_unique<Event>();
    added->ID = eventID;
    event = &Events().RecordAt(Events().Add(std::move(added)));
  }
  if (status) status = ReloadRecord(*event, path);
  if (!status) {
    Prompts().showError(
        this, "Cardwise",
        "The event " + toQString(eventID) + " could not be saved:\r" + toQString(status.message()));
    return false;
  }
  fillEventList();
  showRecord();
  return true;
}

// ---- posting

void TourEditor::takeScreen(Tour& tour) {
  tour.Name = fieldText(tourEdit);
  tour.Dir = fieldText(folderEdit);
  tour.Header = fieldText(headerEdit);
  tour.MandatoryEvents = fieldText(mandatoryEventsEdit);
  tour.Worst = WholeNumberOr(fieldText(worstEdit), 0);
  if (typeGroup->checkedId() >= 0) tour.Type = typeGroup->checkedId();
  resultsGrid->commitEdit();
  const std::vector<std::string> lines = resultsGrid->lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < tour.Standings.size())
      tour.Standings[i].Text = lines[i];
    else
      tour.Standings.push_back(StandingLine{lines[i], nullptr});
  }
  tour.Ntot = static_cast<int>(tour.Standings.size());
  SetCheckedEvents(tour, eventChecks());
}

bool TourEditor::storeFields(int index) {
  takeScreen(recordAt<Tour>(index));
  return true;
}

std::string TourEditor::pagePathOf(int index) {
  const Tour& tour = recordAt<Tour>(index);
  return PagePath(Settings(), TourPage(Settings(), tour));
}

}  // namespace cardwise::app
