#include "app/round_editor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/editor_fields.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "records/golf_rules.h"
#include "records/numbers.h"
#include "records/text.h"
#include "results/event.h"
#include "settings/settings.h"
#include "web/site.h"

namespace cardwise::app {

namespace {

using RoundAdapter = TRecordListAdapter<TRound>;

enum Row { kLen = 1, kPar, kHcp, kScore, kPutts, kGreen, kFairW, kStats };
constexpr int kTotal = THoleGrid::kTotalColumn;

// The round's rows in grid order; the Stats row holds texts.
constexpr TResult TRound::*kHoleRows[] = {nullptr,         &TRound::CLen,    &TRound::CPar,
                                          &TRound::CHcp,   &TRound::Score,   &TRound::Putts,
                                          &TRound::Greens, &TRound::Fairways};
constexpr int kLastNumberRow = kFairW;
constexpr int kPuttsPar = 18;
constexpr int kResultPixels = 24;

EditorTraits RoundTraits() {
  EditorTraits traits = MakeEditorTraits("round", "Round", kRoundsFile);
  traits.Caption = "Add/Edit Round";
  traits.IdLabel = "Round ID";
  traits.FindLabel = "Find I&D";
  traits.BrowseHint = "Show Round-Index Page, Start Web-Browser...";
  traits.PostHint = "Post changes to current round / scorecard";
  traits.GiveID = false;
  traits.Removes = PostRemoves::Never;
  traits.NavigationPosts = true;
  traits.DuplicateIdAdvice =
      "Change the start time: the ID is made from date, start time and player.";
  return traits;
}

std::string RoundName(const TRound& round) {
  return round.ID;
}

int CellNumber(const THoleGrid& grid, int row, int column) {
  return WholeNumberOr(FromQString(grid.Text(row, column)), 0);
}

// Sums of a row that need not be complete (par and length of a card).
int NineSum(const TResult& row, bool back) {
  return back ? row.In() : row.Out();
}

void SetLabel(QLabel* label, int value, ColorValue font) {
  label->setText(NumberText(value));
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, SettingsColor(ColorKey::Total));
  palette.setColor(QPalette::WindowText, ToQColor(font));
  label->setPalette(palette);
}

}  // namespace

ColorValue ScoreColor(int score, int par) {
  if (score == 0 || par == 0) return Settings().Value(ColorKey::Back);
  return Settings().Value(ScoreColorKey(score - par));
}

ColorValue TotalColor(int value, int reference) {
  if (value == 0 || reference == 0) return Settings().Value(ColorKey::Total);
  return Settings().Value(TotColorKey(value - reference));
}

TFRound::TFRound(QWidget* parent)
    : TRecordEditor(RoundTraits(), std::make_unique<RoundAdapter>(Rounds(), &RoundName), parent) {
  setObjectName("TFRound");
  createFields();
  connectLookups();
}

// ---- construction

void TFRound::createFields() {
  auto* form = new QGridLayout(FieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  createIdFields(form);
  createCardFields(form);
  createResultLabels(form);
  Eid->setToolTip("The ID is calculated when record is posted");
  Eid->setFocusPolicy(Qt::ClickFocus);
}

namespace {

// A name filled in by a look-up: read-only, and passed over by Tab.
QLineEdit* AddNameField(QGridLayout* form, const char* name, const QString& label, int row) {
  QLineEdit* field = AddField(form, name, label, QString(), row, 2, 5);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::ClickFocus);
  return field;
}

}  // namespace

void TFRound::createIdFields(QGridLayout* form) {
  Eeventid = AddField(form, "Eeventid", "E&vent ID",
                      "Event ID or leave blank for \"non- event-rounds\"", 0, 0);
  Eevent = AddNameField(form, "Eevent", "Event", 0);
  Ecourseid = AddField(form, "Ecourseid", "&Course ID",
                       "Give the course ID defined in the Course dialog box", 1, 0);
  Ecourse = AddNameField(form, "Ecourse", "Course", 1);
  EplayerID = AddField(form, "EplayerID", "&Player ID", "\"Signature\" of player", 2, 0);
  Eplayer = AddNameField(form, "Eplayer", "Player", 2);
  for (QLineEdit* id : {Eeventid, Ecourseid, EplayerID}) {
    UpperCaseInput(id);
    id->setMaximumWidth(fontMetrics().averageCharWidth() * 14);
  }
  Eplayer->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
}

void TFRound::createCardFields(QGridLayout* form) {
  Esdate = AddField(form, "Esdate", "Date", "Date of round", 3, 0);
  Estart = AddField(form, "Estart", "&Start", "Teetime", 3, 2);
  // No letter of its own: "H" is the Help menu's, "C" and "P" reach the course and the player.
  Ehcp = AddField(form, "Ehcp", "Hcp", "Exact hcp", 3, 4);
  Ens = AddField(form, "Ens", "Strokes", "Exact hcp", 3, 6);
  for (QLineEdit* field : {Esdate, Estart, Ehcp, Ens, Eeventid, Ecourseid, EplayerID})
    WatchField(field);
  for (QLineEdit* field : {Estart, Ehcp, Ens})
    field->setMaximumWidth(fontMetrics().averageCharWidth() * 8);
  SGout = createGrid(1, "Out");
  SGin = createGrid(10, "In");
  auto* outLabel = new QLabel("Score &OUT");
  outLabel->setBuddy(SGout);
  auto* inLabel = new QLabel("Score &IN");
  inLabel->setBuddy(SGin);
  form->addWidget(outLabel, 4, 0, 1, 8);
  form->addWidget(SGout, 5, 0, 1, 8);
  form->addWidget(inLabel, 6, 0, 1, 8);
  form->addWidget(SGin, 7, 0, 1, 8);
  OnDoubleClick(Esdate, [this] { DoSetToday(); });
  OnDoubleClick(Estart, [this] { DoSetTime(); });
}

void TFRound::createResultLabels(QGridLayout* form) {
  auto* row = new QHBoxLayout;
  auto result = [&](QLabel*& label, const char* name, const QString& caption, bool bold) {
    label = new QLabel;
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    QFont big = font();
    big.setPixelSize(kResultPixels);
    big.setBold(bold);
    label->setFont(big);
    label->setMinimumWidth(QFontMetrics(big).horizontalAdvance("8888"));
    row->addWidget(new QLabel(caption));
    row->addWidget(label);
  };
  result(Lscore, "Lscore", "Score", true);
  result(Lnet, "Lnet", "Nett", false);
  result(Lpts, "Lpts", "Points", true);
  row->addStretch(1);
  Bnext = new QPushButton("Next");
  Bnext->setObjectName("Bnext");
  Bnext->setToolTip("This button is defualt, pressing enter will move to next record");
  Bnext->setAutoDefault(false);
  row->addWidget(Bnext);
  form->addLayout(row, 8, 0, 1, 8);
  connect(Bnext, &QPushButton::clicked, this, &TFRound::DoNext);
}

THoleGrid* TFRound::createGrid(int firstHole, const QString& totalTitle) {
  const CompletionRule oneDigit{1, false};
  const CompletionRule oneWaits{1, true};
  const std::vector<HoleRow> rows = {
      {"Len", {3, false}}, {"Par", oneDigit},
      {"Hcp", oneWaits},   {"Score", oneWaits, CellChars::DigitsAndLetters},
      {"Putts", oneDigit}, {"Green", oneDigit},
      {"FairW", oneDigit}, {"Stats", {0, false}, CellChars::Any}};
  auto* grid = new THoleGrid(firstHole, totalTitle, rows);
  grid->setObjectName(firstHole == 1 ? "SGout" : "SGin");
  grid->Look = [this, grid](int row, int column, const QString& text) {
    return DoDrawHoriz(grid, row, column, text);
  };
  grid->Adjust = [this](int row, int column, const QString& text) {
    return DoSetEditText(row, column, text);
  };
  connect(grid, &THoleGrid::entered, this, [this, grid] { DoSGEnter(grid); });
  connect(grid, &THoleGrid::cellEdited, this, &TFRound::DoFlagEdit);
  connect(grid, &THoleGrid::cellCompleted, this,
          [this, grid](int row, int column) { DoCellCompleted(grid, row, column); });
  connect(grid, &THoleGrid::refused, this,
          [this](int row, int, const QString& characters) { ReportRefused(row, characters); });
  connect(grid, &THoleGrid::doubleClickedAt, this,
          [this, grid](int row, int column) { DoSGOne(grid, row, column); });
  return grid;
}

void TFRound::connectLookups() {
  AddIdCompleter(Eeventid,
                 [] { return IdEntries(Events(), [](const TEvent& e) { return e.Event; }); });
  AddIdCompleter(Ecourseid,
                 [] { return IdEntries(Courses(), [](const TCourse& c) { return c.Course; }); });
  AddIdCompleter(EplayerID,
                 [] { return IdEntries(Players(), [](const TPlayer& p) { return p.Player; }); });
  connect(Eeventid, &QLineEdit::textChanged, this, &TFRound::EeventidChange);
  connect(Ecourseid, &QLineEdit::textChanged, this, &TFRound::EcourseidChange);
  connect(EplayerID, &QLineEdit::textChanged, this, &TFRound::EplayerIDChange);
  connect(Ens, &QLineEdit::textChanged, this, &TFRound::EnsChange);
  connect(Ehcp, &QLineEdit::editingFinished, this, &TFRound::DoCalcSlope);
}

// ---- look-ups

void TFRound::EeventidChange() {
  DoFlagEdit();
  const TEvent* event = Events().FindRecord(FieldText(Eeventid));
  FlagUnknownId(Eeventid, Eevent, event, "event list");
  if (!event) return Eevent->clear();
  Eevent->setText(ToQString(event->Event));
  if (event->Date > 0) Esdate->setText(ToQString(ShortDateText(event->Date)));
  Ecourseid->setText(ToQString(event->CourseID));
}

void TFRound::EcourseidChange() {
  DoFlagEdit();
  const TCourse* course = Courses().FindRecord(FieldText(Ecourseid));
  FlagUnknownId(Ecourseid, Ecourse, course, "course list");
  if (course)
    Ecourse->setText(ToQString(course->Course));
  else
    Ecourse->clear();
  TRound* round = ShownRecord<TRound>();
  if (!round) return;
  for (TResult TRound::*row : {&TRound::CPar, &TRound::CLen, &TRound::CHcp})
    (round->*row).Clear();
  if (course) {
    round->CPar.Assign(course->Par);
    round->CLen.Assign(course->Len);
    round->CHcp.Assign(course->Hcp);
  }
  ShowGrids(*round);
}

void TFRound::EplayerIDChange() {
  DoFlagEdit();
  const TPlayer* player = Players().FindRecord(FieldText(EplayerID));
  FlagUnknownId(EplayerID, Eplayer, player, "player list");
  if (!player) return Eplayer->clear();
  Eplayer->setText(ToQString(player->Player));
  Ehcp->setText(ToQString(FormatOneDecimal(player->Hcp)));
  DoCalcSlope();
}

void TFRound::DoCalcSlope() {
  const TCourse* course = Courses().FindRecord(FieldText(Ecourseid));
  if (course) Ens->setText(QString::number(CourseStrokes(*course, FieldSingle(Ehcp))));
}

// The labels follow the strokes as they are typed; the round takes them for good on post.
void TFRound::EnsChange() {
  TRound* round = ShownRecord<TRound>();
  if (Loading() || !round) return;
  round->Strokes = static_cast<std::int16_t>(WholeNumberOr(FieldText(Ens), round->Strokes));
  ShowResults(*round);
}

void TFRound::DoSetToday() {
  Esdate->setText(ToQString(ShortDateText(Today())));
}

void TFRound::DoSetTime() {
  Estart->setText(ToQString(FormatDateTime("hh:nn", Now())));
}

// ---- showing

void TFRound::ShowFields(int index) {
  const TRound& round = RecordAt<TRound>(index);
  // The IDs first: their look-ups fill names, date, card and strokes, which the round's own
  // values then replace.
  Eeventid->setText(ToQString(round.EventID));
  Ecourseid->setText(ToQString(round.CourseID));
  EplayerID->setText(ToQString(round.PlayerID));
  Eevent->setText(ToQString(round.Event));
  Ecourse->setText(ToQString(round.Course));
  Eplayer->setText(ToQString(round.Player));
  Esdate->setText(round.Date > 1.0 ? ToQString(ShortDateText(round.Date)) : QString());
  Estart->setText(ToQString(FormatDateTime("hh:nn", round.Start)));
  Ehcp->setText(ToQString(FormatOneDecimal(round.Hcp)));
  Ens->setText(QString::number(round.Strokes));
  ShowGrids(round);
}

void TFRound::ClearFields() {
  for (QLineEdit* field :
       {Eeventid, Ecourseid, EplayerID, Eevent, Ecourse, Eplayer, Esdate, Estart, Ehcp, Ens})
    field->clear();
  ShowGrids(TRound());
}

void TFRound::ShowGrids(const TRound& round) {
  for (THoleGrid* grid : {SGout, SGin}) {
    for (int row = kLen; row <= kLastNumberRow; ++row)
      ShowHoleRow(*grid, row, round.*kHoleRows[row]);
    for (int column = 1; column <= 9; ++column)
      grid->SetText(kStats, column, ToQString(round.Stats.Get(grid->FirstHole() + column - 1)));
  }
  ShowTotals(round);
  ShowResults(round);
}

// The nine-hole sums; the score's only when all nine holes have one.
void TFRound::ShowTotals(const TRound& round) {
  for (THoleGrid* grid : {SGout, SGin}) {
    const bool back = grid == SGin;
    for (int row : {kLen, kPar, kScore, kPutts, kGreen, kFairW})
      grid->SetText(row, kTotal, NumberText(NineSum(round.*kHoleRows[row], back)));
    grid->viewport()->update();
  }
}

void TFRound::ShowResults(const TRound& round) {
  const int score = round.Score.TotalIfComplete();
  const int par = round.CPar.Out() + round.CPar.In();
  SetLabel(Lscore, score, TotalColor(score, par));
  const int nett = score >= 1 ? score - round.Strokes : 0;
  SetLabel(Lnet, nett, TotalColor(nett, par));
  if (score < 1) Lnet->clear();
  const int points = round.PointsTotal();
  SetLabel(Lpts, points, TotalColor(points, kStablefordPar));
}

CellLook TFRound::DoDrawHoriz(const THoleGrid* grid, int row, int column, const QString& text) {
  CellLook look;
  const bool hole = column >= 1 && column <= 9;
  look.Text = row == kScore && hole && text.isEmpty() ? "-" : text;
  look.Bold = column == kTotal || row == kScore;
  if (column == kTotal && row >= kScore) {
    look.Background = SettingsColor(ColorKey::Total);
    const int value = WholeNumberOr(FromQString(text), 0);
    const int reference = row == kScore   ? CellNumber(*grid, kPar, kTotal)
                          : row == kPutts ? kPuttsPar
                                          : value;
    if (row != kStats) look.Font = ToQColor(TotalColor(value, reference));
    return look;
  }
  switch (row) {
    case kLen: {
      // The tee colour of the course typed, which the round takes on post.
      TCourse* course = Courses().FindRecord(FieldText(Ecourseid));
      look.Background =
          ToQColor(course ? course->LenColorOf(Settings()) : Settings().Value(ColorKey::Len));
      break;
    }
    case 0:
    case kPar:
    case kHcp:
      look.Background = SettingsColor(ColorKey::Green);
      break;
    case kScore:
      look.Background = ToQColor(
          ScoreColor(WholeNumberOr(FromQString(text), 0), CellNumber(*grid, kPar, column)));
      break;
    default:
      look.Background = SettingsColor(ColorKey::Back);
  }
  return look;
}

// ---- the card

void TFRound::DoSGEnter(THoleGrid* grid) {
  DoFlagEdit();
  grid->SetCursor(kScore, 1);
}

// A score may be typed as a letter, "A" for 10 up to "Z" for 35; a green or fairway is hit or
// not.
QString TFRound::DoSetEditText(int row, int, const QString& text) const {
  if (row == kScore && !text.isEmpty()) {
    const QChar first = text.front().toUpper();
    if (first >= 'A' && first <= 'Z') return QString::number(10 + first.unicode() - 'A');
  }
  if ((row == kGreen || row == kFairW) && text.toInt() > 1) return "1";
  return text;
}

void TFRound::ReportRefused(int row, const QString& characters) {
  const QString what = row == kScore ? "a score: type its strokes, or A to Z for 10 to 35"
                                     : "this row: type a number";
  SetStatus("\"" + characters + "\" cannot be in " + what, QColor(255, 0, 0));
}

// A correction of the putts may take the mark away again; a hole without a score or without
// putts leaves its mark as it is.
void TFRound::ApplyGreenRule(THoleGrid* grid, int column) {
  std::optional<int> putts;
  if (!grid->Text(kPutts, column).trimmed().isEmpty()) putts = CellNumber(*grid, kPutts, column);
  const std::optional<bool> green =
      GreenInRegulation(CellNumber(*grid, kScore, column), CellNumber(*grid, kPar, column), putts);
  if (green) grid->SetText(kGreen, column, *green ? "1" : "");
}

void TFRound::DoCellCompleted(THoleGrid* grid, int row, int column) {
  if (row == kPutts) ApplyGreenRule(grid, column);
  TakeCells();
}

void TFRound::DoSGOne(THoleGrid* grid, int row, int column) {
  if (row == kStats) return;  // free text, not a count
  grid->SetText(row, column, QString::number(CellNumber(*grid, row, column) + 1));
  if (row == kPutts) ApplyGreenRule(grid, column);
  DoFlagEdit();
  TakeCells();
}

void TFRound::TakeCells() {
  TRound* round = ShownRecord<TRound>();
  if (!round) return;
  ReadGrids(*round);
  ShowTotals(*round);
  ShowResults(*round);
}

void TFRound::ReadGrids(TRound& round) {
  for (THoleGrid* grid : {SGout, SGin}) {
    grid->CommitEdit();
    for (int row = kLen; row <= kLastNumberRow; ++row)
      ReadHoleRow(*grid, row, round.*kHoleRows[row]);
    for (int column = 1; column <= 9; ++column)
      round.Stats.Set(grid->FirstHole() + column - 1,
                      Trim(FromQString(grid->Text(kStats, column))));
  }
}

// ---- posting

// The files allow all of these, so the user is asked rather than refused.
bool TFRound::ConfirmIds() {
  const struct {
    QLineEdit* Field;
    bool Known;
    const char* Kind;
  } ids[] = {{EplayerID, Players().FindRecord(FieldText(EplayerID)) != nullptr, "player"},
             {Ecourseid, Courses().FindRecord(FieldText(Ecourseid)) != nullptr, "course"},
             {Eeventid, Events().FindRecord(FieldText(Eeventid)) != nullptr, "event"}};
  for (const auto& id : ids) {
    const QString kind = id.Kind;
    if (id.Known || FieldText(id.Field).empty()) continue;
    const QString text = kind.left(1).toUpper() + kind.mid(1) + " " + id.Field->text().trimmed() +
                         " is not in the " + kind + " list. Post anyway?";
    if (!Prompts().AskYesNo(this, "Confirm", text)) return false;
  }
  return true;
}

bool TFRound::ConfirmEventRound(int index, DateTime date, DateTime start) {
  const TEvent* event = Events().FindRecord(FieldText(Eeventid));
  if (!event) return true;
  const QString eventID = ToQString(event->ID);
  if (event->Date > 0 && static_cast<long>(event->Date) != static_cast<long>(date) &&
      !Prompts().AskYesNo(this, "Confirm",
                          "The round's date " + ToQString(ShortDateText(date)) +
                              " is not the date of event " + eventID + ", " +
                              ToQString(ShortDateText(event->Date)) + ". Post anyway?"))
    return false;
  // A round under the very ID this one gets is refused on its own, with its own advice.
  TRound probe;
  probe.PlayerID = FieldText(EplayerID);
  probe.Date = date;
  probe.Start = start;
  probe.MakeID();
  const std::string other = OtherRoundInEvent(index, event->ID, probe);
  return other.empty() ||
         Prompts().AskYesNo(
             this, "Confirm",
             "Player " + EplayerID->text().trimmed() + " already has a round in event " + eventID +
                 ": " + ToQString(other) + ".\rBoth will count in its results. Post anyway?");
}

std::string TFRound::OtherRoundInEvent(int index, const std::string& eventID, const TRound& probe) {
  const TRoundList& rounds = Rounds();
  for (int i = 0; i < rounds.Count(); ++i) {
    const TRound& round = rounds.RecordAt(i);
    if (i != index && CompareText(round.EventID, eventID) == 0 &&
        CompareText(round.PlayerID, probe.PlayerID) == 0 && CompareText(round.ID, probe.ID) != 0)
      return round.ID;
  }
  return {};
}

bool TFRound::StoreFields(int index) {
  if (!ConfirmIds()) return false;
  const std::optional<DateTime> date = ReadDateField(this, Esdate, false);
  if (!date) return false;
  const std::optional<DateTime> start = ReadTimeField(this, Estart);
  if (!start) return false;
  if (!ConfirmEventRound(index, *date, *start)) return false;
  TRound& round = RecordAt<TRound>(index);
  round.PlayerID = FieldText(EplayerID);
  round.Player = FieldText(Eplayer);
  round.CourseID = FieldText(Ecourseid);
  round.Course = FieldText(Ecourse);
  round.EventID = FieldText(Eeventid);
  round.Event = FieldText(Eevent);
  const int previousStrokes = RoundHalfEven(round.Hcp);
  round.Hcp = FieldSingle(Ehcp);
  int strokes = WholeNumberOr(FieldText(Ens), previousStrokes);
  if (strokes == 0) strokes = RoundHalfEven(round.Hcp);
  round.Strokes = static_cast<std::int16_t>(strokes);
  round.Date = *date;
  round.Start = *start;
  round.ID.clear();
  round.MakeID();
  ReadGrids(round);
  return true;
}

bool TFRound::PostRecord() {
  if (!TRecordEditor::PostRecord()) return false;
  if (const TRound* round = ShownRecord<TRound>())
    last_ = {round->EventID, round->CourseID, round->Date, round->Start};
  return true;
}

void TFRound::NewRecordShown() {
  if (!last_.EventID.empty()) {
    Eeventid->setText(ToQString(last_.EventID));
    FocusField(EplayerID);
  } else {
    FocusField(Eeventid);
  }
  if (!last_.CourseID.empty()) Ecourseid->setText(ToQString(last_.CourseID));
  if (last_.Date > 1.0) Esdate->setText(ToQString(ShortDateText(last_.Date)));
  // As every round shows its tee time: hh:nn, the seconds are never typed.
  if (last_.Start != 0) Estart->setText(ToQString(FormatDateTime("hh:nn", last_.Start)));
}

QAbstractButton* TFRound::DefaultButton() {
  return Edited() ? TRecordEditor::DefaultButton() : Bnext;
}

void TFRound::ModeChanged(bool editing) {
  if (Bnext) Bnext->setEnabled(!editing);
}

std::string TFRound::PagePathOf(int index) {
  const TRound& round = RecordAt<TRound>(index);
  return PagePath(Settings(), RoundPage(Settings(), round));
}

}  // namespace cardwise::app
