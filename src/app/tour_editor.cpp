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

using TourAdapter = TRecordListAdapter<TTour>;

EditorTraits TourTraits() {
  EditorTraits traits = MakeEditorTraits("tour", "Tour", kToursFile);
  traits.Caption = "Add/Edit Tours";
  traits.Check = IndexCheck::NothingWhenNegative;
  return traits;
}

std::string TourName(const TTour& tour) {
  return tour.Tour;
}

}  // namespace

const QStringList& TFTour::TypeNames() {
  static const QStringList names = [] {
    QStringList captions;
    for (const TourScoringSystem& system : TourScoringSystems())
      captions << system.Caption;
    return captions;
  }();
  return names;
}

TFTour::TFTour(QWidget* parent)
    : TRecordEditor(TourTraits(), std::make_unique<TourAdapter>(Tours(), &TourName), parent) {
  setObjectName("TFTour");
  createFields();
  createMenuItems();
  AddCsvExport([this](int index) {
    TTour tour = RecordAt<TTour>(index);
    return TourStandingsTable(tour, ProcessDatabase());
  });
}

// ---- construction

void TFTour::createFields() {
  auto* form = new QGridLayout(FieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label, const QString& hint) {
    edit = AddField(form, name, label, hint, row++, 0);
    WatchField(edit);
  };
  field(Etour, "Etour", "Tour", QString());
  field(En, "En", "Players", "Total number of players in Tour");
  field(Ew, "Ew", "Worst", "Dont count the x worst events");
  field(Edir, "Edir", "Directory", "The directory where the tour html-files should be created");
  field(Eheader, "Eheader", "He&ader", "Header file in Template directory for html files");
  field(Emeids, "Emeids", "Mandatory Event IDs", QString());
  En->setReadOnly(true);
  En->setFocusPolicy(Qt::ClickFocus);
  // Folder and file names of the web site are typed in lower case.
  for (QLineEdit* lower : {Edir, Eheader})
    LowerCaseInput(lower);
  Etour->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
  createTypeGroup(form, row++);
  createButtons(form, row++);
  CLBevents = new QListWidget;
  CLBevents->setObjectName("CLBevents");
  auto* eventsLabel = new QLabel("E&vents in tour");
  eventsLabel->setBuddy(CLBevents);
  SG = new TResultsGrid({{24, 40, 18, 130, 36}, {3}, false, 3});
  SG->PlayerName = PlayerNameOf;
  SG->setObjectName("SG");
  form->addWidget(eventsLabel, 0, 2);
  form->addWidget(CLBevents, 1, 2, row - 1, 1);
  form->addWidget(SG, 0, 3, row, 1);
  connect(CLBevents, &QListWidget::itemChanged, this, &TFTour::DoFlagEdit);
  connect(SG, &TResultsGrid::entered, this, &TFTour::DoSGEnter);
  connect(SG, &TResultsGrid::cellEdited, this, &TFTour::DoFlagEdit);
  connect(SG, &TResultsGrid::doubleClickedAt, SG, &TResultsGrid::AddRow);
}

void TFTour::createTypeGroup(QGridLayout* form, int row) {
  RGtype = AddTypeGroup(this, form, row, "Tour type", TypeNames());
  connect(RGtype, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) DoFlagEdit();
  });
}

void TFTour::createButtons(QGridLayout* form, int row) {
  auto button = [](QPushButton*& push, const char* name, const QString& caption,
                   const QString& hint) {
    push = new QPushButton(caption);
    push->setObjectName(name);
    push->setToolTip(hint);
    push->setAutoDefault(false);
  };
  button(Bresult, "Bresult", "&Results", "Calc the tour standing depending on tour type");
  button(Bweights, "Bweights", "Event &weights", "Tour Event Results Weights");
  form->addWidget(Bresult, row, 0);
  form->addWidget(Bweights, row, 1);
  connect(Bresult, &QPushButton::clicked, this, &TFTour::DoSetResults);
  connect(Bweights, &QPushButton::clicked, this, &TFTour::DoSetWeights);
}

// "Save as Event..." comes after "Save As...", between separators; like the whole File menu it
// is there only while browsing.
void TFTour::createMenuItems() {
  QAction* close = FileMenu()->actions().last();
  FileMenu()->insertSeparator(close);
  MIfsaveaseid = new QAction("Save as &Event...", this);
  MIfsaveaseid->setObjectName("MIfsaveaseid");
  FileMenu()->insertAction(close, MIfsaveaseid);
  FileMenu()->insertSeparator(close);
  connect(MIfsaveaseid, &QAction::triggered, this, &TFTour::MIfsaveaseidClick);
  EditMenu()->addSeparator();
  QAction* results = EditMenu()->addAction("&Results");
  results->setObjectName("MIeresults");
  results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(results, &QAction::triggered, this, &TFTour::DoSetResults);
}

// ---- showing

void TFTour::FormActivate() {
  SetUpGrid();
  if (!Edited()) FillEventList();
  TRecordEditor::FormActivate();
}

void TFTour::FillEventList() {
  const QSignalBlocker blocker(CLBevents);
  CLBevents->clear();
  const TEventList& events = Events();
  for (int i = 0; i < events.Count(); ++i) {
    const TEvent& event = events.RecordAt(i);
    auto* item = new QListWidgetItem(ToQString(event.ID + " " + event.Event), CLBevents);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

// An item's event ID is its text up to the first space.
void TFTour::ShowChecks(const TTour& tour) {
  const QSignalBlocker blocker(CLBevents);
  for (int i = 0; i < CLBevents->count(); ++i) {
    QListWidgetItem* item = CLBevents->item(i);
    const std::string id = FromQString(item->text().section(' ', 0, 0));
    item->setCheckState(tour.HasEvent(id) ? Qt::Checked : Qt::Unchecked);
  }
}

std::vector<EventCheck> TFTour::EventChecks() const {
  std::vector<EventCheck> checks;
  for (int i = 0; i < CLBevents->count(); ++i) {
    const QListWidgetItem* item = CLBevents->item(i);
    checks.push_back(
        {FromQString(item->text().section(' ', 0, 0)), item->checkState() == Qt::Checked});
  }
  return checks;
}

void TFTour::SetUpGrid() {
  SG->SetTitles({CaptionOf(Caption::Pos), CaptionOf(Caption::Res), "#", CaptionOf(Caption::Player),
                 CaptionOf(Caption::Notes)});
}

void TFTour::ShowFields(int index) {
  const TTour& tour = RecordAt<TTour>(index);
  SetUpGrid();
  Etour->setText(ToQString(tour.Tour));
  Eheader->setText(ToQString(tour.Header));
  Emeids->setText(ToQString(tour.MandatoryEvents));
  Edir->setText(ToQString(tour.Dir));
  En->setText(QString::number(tour.Ntot));
  Ew->setText(QString::number(tour.Worst));
  ShowType(RGtype, tour.Type);
  std::vector<std::string> lines;
  for (const TStandingLine& line : tour.Standings)
    lines.push_back(line.Text);
  SG->ShowLines(lines);
  ShowChecks(tour);
}

void TFTour::ClearFields() {
  SetUpGrid();
  for (QLineEdit* field : {Etour, Eheader, Emeids, Edir, En, Ew})
    field->clear();
  SG->ShowLines({});
  ShowChecks(TTour());
}

// ---- editing

void TFTour::DoSGEnter() {
  DoFlagEdit();
  SG->GrowTo(1);
  SG->SetCursor(1, 1);
}

// What is on screen goes into the tour first: a new tour's checked events and type count in
// the standings without a post, and are not lost when the standings are shown.
void TFTour::DoSetResults() {
  TTour* tour = ShownRecord<TTour>();
  if (!tour) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  TakeScreen(*tour);
  TDatabase database = ProcessDatabase();
  CalcTour(*tour, database);
  // Pts(p) points depend on the number of players in the tour, which these standings have just
  // counted: with a changed count the tour is computed once more, so that the standings shown
  // are those a later recalculation of the posted tour gives.
  if (static_cast<int>(tour->Standings.size()) != tour->Ntot) {
    tour->Ntot = static_cast<int>(tour->Standings.size());
    CalcTour(*tour, database);
  }
  const QString typedID = Eid->text();  // a new tour's ID is the post's to take
  ShowRecord();
  if (Adding()) Eid->setText(typedID);
  QApplication::restoreOverrideCursor();
  DoFlagEdit();
}

TFtourwt* TFTour::WeightsDialog() {
  if (!weights_) weights_ = new TFtourwt(this);
  return weights_;
}

// The dialog shows the events as checked on screen, each with its own weight.
void TFTour::DoSetWeights() {
  TTour* tour = ShownRecord<TTour>();
  if (!tour) return;
  if (WeightsDialog()->EditWeights(*tour, EventChecks())) DoFlagEdit();
}

void TFTour::MIfsaveaseidClick() {
  TTour* tour = ShownRecord<TTour>();
  if (!tour) return;
  QString typed = ToQString(Settings().TourEventPrefix + tour->ID);
  if (!Prompts().AskText(this, "Save TourID as EventID", "TourID=EventID", typed)) return;
  const std::string eventID = UpperCase(Trim(FromQString(typed)));
  if (eventID.empty()) return;
  if (Events().FindRecord(eventID) &&
      !Prompts().AskYesNo(this, "Confirm", "Event " + ToQString(eventID) + " exists. Replace it?"))
    return;
  if (!SaveAsEventID(*tour, eventID)) return;
  Prompts().ShowInfoWithHelp(
      this, "Cardwise", "Saved as event: " + ToQString(eventID) + "\rIt is in the event list now.",
      "TOURASEVENT");
}

// Writes the tour's standing as the event `eventID` and takes that event into the event list
// as the file now holds it.
bool TFTour::SaveAsEventID(TTour& tour, const std::string& eventID) {
  const EditorsListChange change;
  if (!change.Ready()) return false;
  const std::string path = DataFilePath(Settings(), kEventsFile);
  const std::string own = std::exchange(tour.ID, eventID);
  Status status = SaveAsEvent(tour, path);
  tour.ID = own;
  TEvent* event = Events().FindRecord(eventID);
  if (status && !event) {
    auto added = std::make_unique<TEvent>();
    added->ID = eventID;
    event = &Events().RecordAt(Events().Add(std::move(added)));
  }
  if (status) status = ReloadRecord(*event, path);
  if (!status) {
    Prompts().ShowError(
        this, "Cardwise",
        "The event " + ToQString(eventID) + " could not be saved:\r" + ToQString(status.message()));
    return false;
  }
  FillEventList();
  ShowRecord();
  return true;
}

// ---- posting

void TFTour::TakeScreen(TTour& tour) {
  tour.Tour = FieldText(Etour);
  tour.Dir = FieldText(Edir);
  tour.Header = FieldText(Eheader);
  tour.MandatoryEvents = FieldText(Emeids);
  tour.Worst = WholeNumberOr(FieldText(Ew), 0);
  if (RGtype->checkedId() >= 0) tour.Type = RGtype->checkedId();
  SG->CommitEdit();
  const std::vector<std::string> lines = SG->Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i < tour.Standings.size())
      tour.Standings[i].Text = lines[i];
    else
      tour.Standings.push_back(TStandingLine{lines[i], nullptr});
  }
  tour.Ntot = static_cast<int>(tour.Standings.size());
  SetCheckedEvents(tour, EventChecks());
}

bool TFTour::StoreFields(int index) {
  TakeScreen(RecordAt<TTour>(index));
  return true;
}

std::string TFTour::PagePathOf(int index) {
  const TTour& tour = RecordAt<TTour>(index);
  return PagePath(Settings(), TourPage(Settings(), tour));
}

}  // namespace cardwise::app
