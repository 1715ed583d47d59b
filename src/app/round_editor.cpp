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

using RoundAdapter = RecordListAdapterOf<Round>;

enum Row { kLen = 1, kPar, kHcp, kScore, kPutts, kGreen, kFairW, kStats };
constexpr int kTotal = HoleGrid::kTotalColumn;

// The round's rows in grid order; the Stats row holds texts.
constexpr Result Round::*kHoleRows[] = {nullptr,        &Round::CLen,    &Round::CPar,
                                        &Round::CHcp,   &Round::Score,   &Round::Putts,
                                        &Round::Greens, &Round::Fairways};
constexpr int kLastNumberRow = kFairW;
constexpr int kPuttsPar = 18;
constexpr int kResultPixels = 24;

EditorTraits roundTraits() {
  EditorTraits traits = makeEditorTraits("round", "Round", kRoundsFile);
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

std::string roundName(const Round& round) {
  return round.ID;
}

int cellNumber(const HoleGrid& grid, int row, int column) {
  return WholeNumberOr(fromQString(grid.cellText(row, column)), 0);
}

// Sums of a row that need not be complete (par and length of a card).
int nineSum(const Result& row, bool back) {
  return back ? row.In() : row.Out();
}

void SetLabel(QLabel* label, int value, ColorValue font) {
  label->setText(numberText(value));
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, settingsColor(ColorKey::Total));
  palette.setColor(QPalette::WindowText, toQColor(font));
  label->setPalette(palette);
}

}  // namespace

ColorValue scoreColor(int score, int par) {
  if (score == 0 || par == 0) return Settings().Value(ColorKey::Back);
  return Settings().Value(ScoreColorKey(score - par));
}

ColorValue totalColor(int value, int reference) {
  if (value == 0 || reference == 0) return Settings().Value(ColorKey::Total);
  return Settings().Value(TotColorKey(value - reference));
}

RoundEditor::RoundEditor(QWidget* parent)
    : RecordEditor(roundTraits(), std::make_unique<RoundAdapter>(Rounds(), &roundName), parent) {
  setObjectName("RoundEditor");
  createFields();
  connectLookups();
}

// ---- construction

void RoundEditor::createFields() {
  auto* form = new QGridLayout(fieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  createIdFields(form);
  createCardFields(form);
  createResultLabels(form);
  idEdit->setToolTip("The ID is calculated when record is posted");
  idEdit->setFocusPolicy(Qt::ClickFocus);
}

namespace {

// A name filled in by a look-up: read-only, and passed over by Tab.
QLineEdit* addNameField(QGridLayout* form, const char* name, const QString& label, int row) {
  QLineEdit* field = addField(form, name, label, QString(), row, 2, 5);
  field->setReadOnly(true);
  field->setFocusPolicy(Qt::ClickFocus);
  return field;
}

}  // namespace

void RoundEditor::createIdFields(QGridLayout* form) {
  eventIdEdit = addField(form, "eventIdEdit", "E&vent ID",
                         "Event ID or leave blank for \"non- event-rounds\"", 0, 0);
  eventEdit = addNameField(form, "eventEdit", "Event", 0);
  courseIdEdit = addField(form, "courseIdEdit", "&Course ID",
                          "Give the course ID defined in the Course dialog box", 1, 0);
  courseEdit = addNameField(form, "courseEdit", "Course", 1);
  playerIdEdit = addField(form, "playerIdEdit", "&Player ID", "\"Signature\" of player", 2, 0);
  playerEdit = addNameField(form, "playerEdit", "Player", 2);
  for (QLineEdit* id : {eventIdEdit, courseIdEdit, playerIdEdit}) {
    upperCaseInput(id);
    id->setMaximumWidth(fontMetrics().averageCharWidth() * 14);
  }
  playerEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
}

void RoundEditor::createCardFields(QGridLayout* form) {
  dateEdit = addField(form, "dateEdit", "Date", "Date of round", 3, 0);
  startEdit = addField(form, "startEdit", "&Start", "Teetime", 3, 2);
  // No letter of its own: "H" is the Help menu's, "C" and "P" reach the course and the player.
  handicapEdit = addField(form, "handicapEdit", "Hcp", "Exact hcp", 3, 4);
  strokesEdit = addField(form, "strokesEdit", "Strokes", "Exact hcp", 3, 6);
  for (QLineEdit* field :
       {dateEdit, startEdit, handicapEdit, strokesEdit, eventIdEdit, courseIdEdit, playerIdEdit})
    watchField(field);
  for (QLineEdit* field : {startEdit, handicapEdit, strokesEdit})
    field->setMaximumWidth(fontMetrics().averageCharWidth() * 8);
  frontNineGrid = createGrid(1, "Out");
  backNineGrid = createGrid(10, "In");
  auto* outLabel = new QLabel("Score &OUT");
  outLabel->setBuddy(frontNineGrid);
  auto* inLabel = new QLabel("Score &IN");
  inLabel->setBuddy(backNineGrid);
  form->addWidget(outLabel, 4, 0, 1, 8);
  form->addWidget(frontNineGrid, 5, 0, 1, 8);
  form->addWidget(inLabel, 6, 0, 1, 8);
  form->addWidget(backNineGrid, 7, 0, 1, 8);
  onDoubleClick(dateEdit, [this] { setToday(); });
  onDoubleClick(startEdit, [this] { setTimeNow(); });
}

void RoundEditor::createResultLabels(QGridLayout* form) {
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
  result(scoreLabel, "scoreLabel", "Score", true);
  result(netLabel, "netLabel", "Nett", false);
  result(pointsLabel, "pointsLabel", "Points", true);
  row->addStretch(1);
  nextButton = new QPushButton("Next");
  nextButton->setObjectName("nextButton");
  nextButton->setToolTip("This button is defualt, pressing enter will move to next record");
  nextButton->setAutoDefault(false);
  row->addWidget(nextButton);
  form->addLayout(row, 8, 0, 1, 8);
  connect(nextButton, &QPushButton::clicked, this, &RoundEditor::showNext);
}

HoleGrid* RoundEditor::createGrid(int firstHole, const QString& totalTitle) {
  const CompletionRule oneDigit{1, false};
  const CompletionRule oneWaits{1, true};
  const std::vector<HoleRow> rows = {
      {"Len", {3, false}}, {"Par", oneDigit},
      {"Hcp", oneWaits},   {"Score", oneWaits, CellChars::DigitsAndLetters},
      {"Putts", oneDigit}, {"Green", oneDigit},
      {"FairW", oneDigit}, {"Stats", {0, false}, CellChars::Any}};
  auto* grid = new HoleGrid(firstHole, totalTitle, rows);
  grid->setObjectName(firstHole == 1 ? "frontNineGrid" : "backNineGrid");
  grid->Look = [this, grid](int row, int column, const QString& text) {
    return cellLook(grid, row, column, text);
  };
  grid->Adjust = [this](int row, int column, const QString& text) {
    return cellEditText(row, column, text);
  };
  connect(grid, &HoleGrid::entered, this, [this, grid] { enterGrid(grid); });
  connect(grid, &HoleGrid::cellEdited, this, &RoundEditor::markEdited);
  connect(grid, &HoleGrid::cellCompleted, this,
          [this, grid](int row, int column) { completeCell(grid, row, column); });
  connect(grid, &HoleGrid::refused, this,
          [this](int row, int, const QString& characters) { reportRefused(row, characters); });
  connect(grid, &HoleGrid::doubleClickedAt, this,
          [this, grid](int row, int column) { updateTotals(grid, row, column); });
  return grid;
}

void RoundEditor::connectLookups() {
  addIdCompleter(eventIdEdit,
                 [] { return idEntries(Events(), [](const Event& e) { return e.Name; }); });
  addIdCompleter(courseIdEdit,
                 [] { return idEntries(Courses(), [](const Course& c) { return c.Name; }); });
  addIdCompleter(playerIdEdit,
                 [] { return idEntries(Players(), [](const Player& p) { return p.Name; }); });
  connect(eventIdEdit, &QLineEdit::textChanged, this, &RoundEditor::lookUpEvent);
  connect(courseIdEdit, &QLineEdit::textChanged, this, &RoundEditor::lookUpCourse);
  connect(playerIdEdit, &QLineEdit::textChanged, this, &RoundEditor::lookUpPlayer);
  connect(strokesEdit, &QLineEdit::textChanged, this, &RoundEditor::receiveStrokes);
  connect(handicapEdit, &QLineEdit::editingFinished, this, &RoundEditor::updateStrokes);
}

// ---- look-ups

void RoundEditor::lookUpEvent() {
  markEdited();
  const Event* event = Events().FindRecord(fieldText(eventIdEdit));
  flagUnknownId(eventIdEdit, eventEdit, event, "event list");
  if (!event) return eventEdit->clear();
  eventEdit->setText(toQString(event->Name));
  if (event->Date > 0) dateEdit->setText(toQString(ShortDateText(event->Date)));
  courseIdEdit->setText(toQString(event->CourseID));
}

void RoundEditor::lookUpCourse() {
  markEdited();
  const Course* course = Courses().FindRecord(fieldText(courseIdEdit));
  flagUnknownId(courseIdEdit, courseEdit, course, "course list");
  if (course)
    courseEdit->setText(toQString(course->Name));
  else
    courseEdit->clear();
  Round* round = shownRecord<Round>();
  if (!round) return;
  for (Result Round::*row : {&Round::CPar, &Round::CLen, &Round::CHcp})
    (round->*row).Clear();
  if (course) {
    round->CPar.Assign(course->Par);
    round->CLen.Assign(course->Len);
    round->CHcp.Assign(course->Hcp);
  }
  showGrids(*round);
}

void RoundEditor::lookUpPlayer() {
  markEdited();
  const Player* player = Players().FindRecord(fieldText(playerIdEdit));
  flagUnknownId(playerIdEdit, playerEdit, player, "player list");
  if (!player) return playerEdit->clear();
  playerEdit->setText(toQString(player->Name));
  handicapEdit->setText(toQString(FormatOneDecimal(player->Hcp)));
  updateStrokes();
}

void RoundEditor::updateStrokes() {
  const Course* course = Courses().FindRecord(fieldText(courseIdEdit));
  if (course)
    strokesEdit->setText(QString::number(CourseStrokes(*course, fieldSingle(handicapEdit))));
}

// The labels follow the strokes as they are typed; the round takes them for good on post.
void RoundEditor::receiveStrokes() {
  Round* round = shownRecord<Round>();
  if (isLoading() || !round) return;
  round->Strokes = static_cast<std::int16_t>(WholeNumberOr(fieldText(strokesEdit), round->Strokes));
  showResults(*round);
}

void RoundEditor::setToday() {
  dateEdit->setText(toQString(ShortDateText(Today())));
}

void RoundEditor::setTimeNow() {
  startEdit->setText(toQString(FormatDateTime("hh:nn", Now())));
}

// ---- showing

void RoundEditor::showFields(int index) {
  const Round& round = recordAt<Round>(index);
  // The IDs first: their look-ups fill names, date, card and strokes, which the round's own
  // values then replace.
  eventIdEdit->setText(toQString(round.EventID));
  courseIdEdit->setText(toQString(round.CourseID));
  playerIdEdit->setText(toQString(round.PlayerID));
  eventEdit->setText(toQString(round.EventName));
  courseEdit->setText(toQString(round.CourseName));
  playerEdit->setText(toQString(round.PlayerName));
  dateEdit->setText(round.Date > 1.0 ? toQString(ShortDateText(round.Date)) : QString());
  startEdit->setText(toQString(FormatDateTime("hh:nn", round.Start)));
  handicapEdit->setText(toQString(FormatOneDecimal(round.Hcp)));
  strokesEdit->setText(QString::number(round.Strokes));
  showGrids(round);
}

void RoundEditor::clearFields() {
  for (QLineEdit* field : {eventIdEdit, courseIdEdit, playerIdEdit, eventEdit, courseEdit,
                           playerEdit, dateEdit, startEdit, handicapEdit, strokesEdit})
    field->clear();
  showGrids(Round());
}

void RoundEditor::showGrids(const Round& round) {
  for (HoleGrid* grid : {frontNineGrid, backNineGrid}) {
    for (int row = kLen; row <= kLastNumberRow; ++row)
      showHoleRow(*grid, row, round.*kHoleRows[row]);
    for (int column = 1; column <= 9; ++column)
      grid->setCellText(kStats, column, toQString(round.Stats.Get(grid->firstHole() + column - 1)));
  }
  showTotals(round);
  showResults(round);
}

// The nine-hole sums; the score's only when all nine holes have one.
void RoundEditor::showTotals(const Round& round) {
  for (HoleGrid* grid : {frontNineGrid, backNineGrid}) {
    const bool back = grid == backNineGrid;
    for (int row : {kLen, kPar, kScore, kPutts, kGreen, kFairW})
      grid->setCellText(row, kTotal, numberText(nineSum(round.*kHoleRows[row], back)));
    grid->viewport()->update();
  }
}

void RoundEditor::showResults(const Round& round) {
  const int score = round.Score.TotalIfComplete();
  const int par = round.CPar.Out() + round.CPar.In();
  SetLabel(scoreLabel, score, totalColor(score, par));
  const int nett = score >= 1 ? score - round.Strokes : 0;
  SetLabel(netLabel, nett, totalColor(nett, par));
  if (score < 1) netLabel->clear();
  const int points = round.PointsTotal();
  SetLabel(pointsLabel, points, totalColor(points, kStablefordPar));
}

CellLook RoundEditor::cellLook(const HoleGrid* grid, int row, int column, const QString& text) {
  CellLook look;
  const bool hole = column >= 1 && column <= 9;
  look.Text = row == kScore && hole && text.isEmpty() ? "-" : text;
  look.Bold = column == kTotal || row == kScore;
  if (column == kTotal && row >= kScore) {
    look.Background = settingsColor(ColorKey::Total);
    const int value = WholeNumberOr(fromQString(text), 0);
    const int reference = row == kScore   ? cellNumber(*grid, kPar, kTotal)
                          : row == kPutts ? kPuttsPar
                                          : value;
    if (row != kStats) look.Font = toQColor(totalColor(value, reference));
    return look;
  }
  switch (row) {
    case kLen: {
      // The tee colour of the course typed, which the round takes on post.
      Course* course = Courses().FindRecord(fieldText(courseIdEdit));
      look.Background =
          toQColor(course ? course->LenColorOf(Settings()) : Settings().Value(ColorKey::Len));
      break;
    }
    case 0:
    case kPar:
    case kHcp:
      look.Background = settingsColor(ColorKey::Green);
      break;
    case kScore:
      look.Background = toQColor(
          scoreColor(WholeNumberOr(fromQString(text), 0), cellNumber(*grid, kPar, column)));
      break;
    default:
      look.Background = settingsColor(ColorKey::Back);
  }
  return look;
}

// ---- the card

void RoundEditor::enterGrid(HoleGrid* grid) {
  markEdited();
  grid->moveCursorTo(kScore, 1);
}

// A score may be typed as a letter, "A" for 10 up to "Z" for 35; a green or fairway is hit or
// not.
QString RoundEditor::cellEditText(int row, int, const QString& text) const {
  if (row == kScore && !text.isEmpty()) {
    const QChar first = text.front().toUpper();
    if (first >= 'A' && first <= 'Z') return QString::number(10 + first.unicode() - 'A');
  }
  if ((row == kGreen || row == kFairW) && text.toInt() > 1) return "1";
  return text;
}

void RoundEditor::reportRefused(int row, const QString& characters) {
  const QString what = row == kScore ? "a score: type its strokes, or A to Z for 10 to 35"
                                     : "this row: type a number";
  setStatus("\"" + characters + "\" cannot be in " + what, QColor(255, 0, 0));
}

// A correction of the putts may take the mark away again; a hole without a score or without
// putts leaves its mark as it is.
void RoundEditor::applyGreenRule(HoleGrid* grid, int column) {
  std::optional<int> putts;
  if (!grid->cellText(kPutts, column).trimmed().isEmpty())
    putts = cellNumber(*grid, kPutts, column);
  const std::optional<bool> green =
      GreenInRegulation(cellNumber(*grid, kScore, column), cellNumber(*grid, kPar, column), putts);
  if (green) grid->setCellText(kGreen, column, *green ? "1" : "");
}

void RoundEditor::completeCell(HoleGrid* grid, int row, int column) {
  if (row == kPutts) applyGreenRule(grid, column);
  takeCells();
}

void RoundEditor::updateTotals(HoleGrid* grid, int row, int column) {
  if (row == kStats) return;  // free text, not a count
  grid->setCellText(row, column, QString::number(cellNumber(*grid, row, column) + 1));
  if (row == kPutts) applyGreenRule(grid, column);
  markEdited();
  takeCells();
}

void RoundEditor::takeCells() {
  Round* round = shownRecord<Round>();
  if (!round) return;
  readGrids(*round);
  showTotals(*round);
  showResults(*round);
}

void RoundEditor::readGrids(Round& round) {
  for (HoleGrid* grid : {frontNineGrid, backNineGrid}) {
    grid->commitEdit();
    for (int row = kLen; row <= kLastNumberRow; ++row)
      readHoleRow(*grid, row, round.*kHoleRows[row]);
    for (int column = 1; column <= 9; ++column)
      round.Stats.Set(grid->firstHole() + column - 1,
                      Trim(fromQString(grid->cellText(kStats, column))));
  }
}

// ---- posting

// The files allow all of these, so the user is asked rather than refused.
bool RoundEditor::confirmIds() {
  const struct {
    QLineEdit* Field;
    bool Known;
    const char* Kind;
  } ids[] = {{playerIdEdit, Players().FindRecord(fieldText(playerIdEdit)) != nullptr, "player"},
             {courseIdEdit, Courses().FindRecord(fieldText(courseIdEdit)) != nullptr, "course"},
             {eventIdEdit, Events().FindRecord(fieldText(eventIdEdit)) != nullptr, "event"}};
  for (const auto& id : ids) {
    const QString kind = id.Kind;
    if (id.Known || fieldText(id.Field).empty()) continue;
    const QString text = kind.left(1).toUpper() + kind.mid(1) + " " + id.Field->text().trimmed() +
                         " is not in the " + kind + " list. Post anyway?";
    if (!Prompts().askYesNo(this, "Confirm", text)) return false;
  }
  return true;
}

bool RoundEditor::confirmEventRound(int index, DateTime date, DateTime start) {
  const Event* event = Events().FindRecord(fieldText(eventIdEdit));
  if (!event) return true;
  const QString eventID = toQString(event->ID);
  if (event->Date > 0 && static_cast<long>(event->Date) != static_cast<long>(date) &&
      !Prompts().askYesNo(this, "Confirm",
                          "The round's date " + toQString(ShortDateText(date)) +
                              " is not the date of event " + eventID + ", " +
                              toQString(ShortDateText(event->Date)) + ". Post anyway?"))
    return false;
  // A round under the very ID this one gets is refused on its own, with its own advice.
  Round probe;
  probe.PlayerID = fieldText(playerIdEdit);
  probe.Date = date;
  probe.Start = start;
  probe.MakeID();
  const std::string other = otherRoundInEvent(index, event->ID, probe);
  return other.empty() || Prompts().askYesNo(this, "Confirm",
                                             "Player " + playerIdEdit->text().trimmed() +
                                                 " already has a round in event " + eventID + ": " +
                                                 toQString(other) +
                                                 ".\rBoth will count in its results. Post anyway?");
}

std::string RoundEditor::otherRoundInEvent(int index, const std::string& eventID,
                                           const Round& probe) {
  const RoundList& rounds = Rounds();
  for (int i = 0; i < rounds.Count(); ++i) {
    const Round& round = rounds.RecordAt(i);
    if (i != index && CompareText(round.EventID, eventID) == 0 &&
        CompareText(round.PlayerID, probe.PlayerID) == 0 && CompareText(round.ID, probe.ID) != 0)
      return round.ID;
  }
  return {};
}

bool RoundEditor::storeFields(int index) {
  if (!confirmIds()) return false;
  const std::optional<DateTime> date = readDateField(this, dateEdit, false);
  if (!date) return false;
  const std::optional<DateTime> start = readTimeField(this, startEdit);
  if (!start) return false;
  if (!confirmEventRound(index, *date, *start)) return false;
  Round& round = recordAt<Round>(index);
  round.PlayerID = fieldText(playerIdEdit);
  round.PlayerName = fieldText(playerEdit);
  round.CourseID = fieldText(courseIdEdit);
  round.CourseName = fieldText(courseEdit);
  round.EventID = fieldText(eventIdEdit);
  round.EventName = fieldText(eventEdit);
  const int previousStrokes = RoundHalfEven(round.Hcp);
  round.Hcp = fieldSingle(handicapEdit);
  int strokes = WholeNumberOr(fieldText(strokesEdit), previousStrokes);
  if (strokes == 0) strokes = RoundHalfEven(round.Hcp);
  round.Strokes = static_cast<std::int16_t>(strokes);
  round.Date = *date;
  round.Start = *start;
  round.ID.clear();
  round.MakeID();
  readGrids(round);
  return true;
}

bool RoundEditor::postRecord() {
  if (!RecordEditor::postRecord()) return false;
  if (const Round* round = shownRecord<Round>())
    last_ = {round->EventID, round->CourseID, round->Date, round->Start};
  return true;
}

void RoundEditor::newRecordShown() {
  if (!last_.EventID.empty()) {
    eventIdEdit->setText(toQString(last_.EventID));
    focusField(playerIdEdit);
  } else {
    focusField(eventIdEdit);
  }
  if (!last_.CourseID.empty()) courseIdEdit->setText(toQString(last_.CourseID));
  if (last_.Date > 1.0) dateEdit->setText(toQString(ShortDateText(last_.Date)));
  // As every round shows its tee time: hh:nn, the seconds are never typed.
  if (last_.Start != 0) startEdit->setText(toQString(FormatDateTime("hh:nn", last_.Start)));
}

QAbstractButton* RoundEditor::DefaultButton() {
  return isEdited() ? RecordEditor::DefaultButton() : nextButton;
}

void RoundEditor::modeChanged(bool editing) {
  if (nextButton) nextButton->setEnabled(!editing);
}

std::string RoundEditor::pagePathOf(int index) {
  const Round& round = recordAt<Round>(index);
  return PagePath(Settings(), RoundPage(Settings(), round));
}

}  // namespace cardwise::app
