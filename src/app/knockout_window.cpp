#include "app/knockout_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/bracket_view.h"
#include "app/match_dialog.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "records/course.h"
#include "records/player.h"
#include "results/database.h"
#include "results/knockout_bracket.h"
#include "settings/settings.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Knockouts";

// The label with its "&" letter on the field it names.
QLabel* labelFor(const QString& text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  return label;
}

template <class Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

KnockoutWindow::KnockoutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("KnockoutWindow");
  setWindowTitle(kTitle);
  createWidgets();
  matchDialog = new MatchDialog(this);
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { openHelp("KNOCKOUT"); });
}

void KnockoutWindow::createWidgets() {
  knockoutCombo = named(new QComboBox, "knockoutCombo");
  connect(knockoutCombo, &QComboBox::currentIndexChanged, this, &KnockoutWindow::showBracket);
  bracketView = named(new BracketView, "bracketView");
  connect(bracketView, &BracketView::matchActivated, this, &KnockoutWindow::enterResult);
  auto* scroll = new QScrollArea;
  scroll->setWidget(bracketView);
  scroll->setMinimumSize(640, 420);
  auto* bracketColumn = new QVBoxLayout;
  auto* pick = new QHBoxLayout;
  pick->addWidget(labelFor("&Knockout", knockoutCombo));
  pick->addWidget(knockoutCombo, 1);
  bracketColumn->addLayout(pick);
  bracketColumn->addWidget(labelFor("&Bracket (arrow keys, Enter for the result)", bracketView));
  bracketColumn->addWidget(scroll, 1);
  auto* row = new QHBoxLayout(this);
  row->addWidget(createNewKnockoutBox());
  row->addLayout(bracketColumn, 1);
}

QWidget* KnockoutWindow::createNewKnockoutBox() {
  idEdit = named(new QLineEdit, "idEdit");
  nameEdit = named(new QLineEdit, "nameEdit");
  playerList = named(new QListWidget, "playerList");
  seedingCombo = named(new QComboBox, "seedingCombo");
  seedingCombo->addItems({"handicap", "listed", "random"});
  seedEdit = named(new QLineEdit, "seedEdit");
  seedEdit->setPlaceholderText("chosen when empty");
  courseCombo = named(new QComboBox, "courseCombo");
  allowanceSpin = named(new QSpinBox, "allowanceSpin");
  allowanceSpin->setRange(0, 100);
  allowanceSpin->setValue(100);
  allowanceSpin->setSuffix(" %");
  makeButton = named(new QPushButton("&Make bracket"), "makeButton");
  makeButton->setDefault(true);
  connect(makeButton, &QPushButton::clicked, this, &KnockoutWindow::makeBracket);
  auto* box = new QWidget;
  auto* form = new QFormLayout(box);
  form->addRow(new QLabel("<b>New knockout</b>"));
  form->addRow(labelFor("&ID", idEdit), idEdit);
  form->addRow(labelFor("&Name", nameEdit), nameEdit);
  form->addRow(labelFor("&Players", playerList));
  form->addRow(playerList);
  form->addRow(labelFor("&Seeding", seedingCombo), seedingCombo);
  form->addRow(labelFor("S&eed", seedEdit), seedEdit);
  form->addRow(labelFor("&Course", courseCombo), courseCombo);
  form->addRow(labelFor("&Allowance", allowanceSpin), allowanceSpin);
  form->addRow(makeButton);
  return box;
}

void KnockoutWindow::showEvent(QShowEvent* event) {
  reload();
  QDialog::showEvent(event);
}

void KnockoutWindow::reload() {
  const Knockout* shown = currentKnockout();
  const QString current = shown ? toQString(shown->ID) : QString();
  knockouts_.Clear();
  knockouts_.LoadFromFile(KnockoutFilePath(Settings()));
  fillPlayers();
  fillCourses();
  fillKnockouts(current);
}

void KnockoutWindow::fillPlayers() {
  playerList->clear();
  const PlayerList& players = Players();
  for (int i = 0; i < players.Count(); ++i) {
    const Player& player = players.RecordAt(i);
    if (player.ID == kPlaceholderID) continue;
    auto* item = new QListWidgetItem(
        toQString(player.ID + "  " + player.Name + "  " + player.HcpText()), playerList);
    item->setData(Qt::UserRole, toQString(player.ID));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
}

void KnockoutWindow::fillCourses() {
  courseCombo->clear();
  courseCombo->addItem("(no shots)", QString());
  const CourseList& courses = Courses();
  for (int i = 0; i < courses.Count(); ++i) {
    const Course& course = courses.RecordAt(i);
    if (course.ID != kPlaceholderID)
      courseCombo->addItem(toQString(course.ID + "  " + course.Name), toQString(course.ID));
  }
}

void KnockoutWindow::fillKnockouts(const QString& currentID) {
  const QSignalBlocker blocker(knockoutCombo);
  knockoutCombo->clear();
  for (int i = 0; i < knockouts_.Count(); ++i) {
    const Knockout& knockout = knockouts_.RecordAt(i);
    if (knockout.ID == kPlaceholderID) continue;
    knockoutCombo->addItem(toQString(knockout.ID + "  " + knockout.Name), i);
    if (toQString(knockout.ID) == currentID)
      knockoutCombo->setCurrentIndex(knockoutCombo->count() - 1);
  }
  showBracket();
}

const Knockout* KnockoutWindow::currentKnockout() const {
  if (!knockoutCombo || knockoutCombo->currentIndex() < 0) return nullptr;
  const int index = knockoutCombo->currentData().toInt();
  return knockouts_.IsValidIndex(index) ? &knockouts_.RecordAt(index) : nullptr;
}

QString KnockoutWindow::playerText(const std::string& id) const {
  const Player* player = id == kByePlayer ? nullptr : Players().FindRecord(id);
  return toQString(player && !player->Name.empty() ? player->Name : id);
}

std::vector<MatchBox> KnockoutWindow::matchBoxes(const Knockout& knockout) const {
  std::vector<MatchBox> boxes;
  for (const auto& [ref, match] : knockout.Matches) {
    MatchBox box;
    box.Round = ref.Round, box.Match = ref.Match;
    box.PlayerA = playerText(match.PlayerA), box.PlayerB = playerText(match.PlayerB);
    box.Winner = match.Winner.empty() ? -1 : (match.Winner == match.PlayerA ? 0 : 1);
    if (!match.IsBye()) box.Result = toQString(match.Result);
    const std::optional<MatchShots> shots = ShotsOf(knockout, match, Players(), Courses());
    if (shots && shots->Receiver >= 0)
      (shots->Receiver == 0 ? box.PlayerA : box.PlayerB) += " +" + QString::number(shots->Shots);
    boxes.push_back(box);
  }
  return boxes;
}

void KnockoutWindow::showBracket() {
  const Knockout* knockout = currentKnockout();
  if (!knockout) return bracketView->setBracket({}, {});
  const int rounds = KnockoutRounds(*knockout);
  QStringList names;
  for (int round = 1; round <= rounds; ++round)
    names << toQString(RoundName(round, rounds));
  bracketView->setBracket(matchBoxes(*knockout), names);
}

// The request the fields make; nullopt when the seed is not a whole number from 0.
std::optional<KnockoutRequest> KnockoutWindow::readRequest() const {
  KnockoutRequest request;
  request.ID = fromQString(idEdit->text().trimmed());
  request.Name = fromQString(nameEdit->text().trimmed());
  request.CourseID = fromQString(courseCombo->currentData().toString());
  request.Allowance = allowanceSpin->value();
  request.Order =
      ParseSeeding(fromQString(seedingCombo->currentText())).value_or(Seeding::Handicap);
  for (int i = 0; i < playerList->count(); ++i)
    if (playerList->item(i)->checkState() == Qt::Checked)
      request.PlayerIDs.push_back(fromQString(playerList->item(i)->data(Qt::UserRole).toString()));
  if (seedEdit->text().trimmed().isEmpty()) return request;
  bool read = false;
  request.Seed = seedEdit->text().trimmed().toInt(&read);
  if (!read || *request.Seed < 0) return std::nullopt;
  return request;
}

void KnockoutWindow::makeBracket() {
  const std::optional<KnockoutRequest> request = readRequest();
  if (!request) return Prompts().showError(this, kTitle, "The seed is not a whole number from 0.");
  Knockout knockout;
  Status made = MakeKnockout(*request, Players(), Courses(), knockout);
  if (made && knockouts_.FindRecord(request->ID))
    made = Status::Error("a knockout \"" + request->ID + "\" is there already");
  if (made) made = SaveRecord(knockout, KnockoutFilePath(Settings()));
  if (!made) return Prompts().showError(this, kTitle, toQString(made.message()));
  knockouts_.Clear();
  knockouts_.LoadFromFile(KnockoutFilePath(Settings()));
  fillKnockouts(toQString(knockout.ID));
  bracketView->setFocus();
}

void KnockoutWindow::enterResult(int round, int match) {
  const Knockout* knockout = currentKnockout();
  const KnockoutMatch* shown = knockout ? knockout->MatchAt({round, match}) : nullptr;
  if (!shown) return;
  const QString title = toQString(knockout->Name + "  " + MatchName({round, match}));
  if (shown->IsBye() || !shown->HasPlayers())
    return Prompts().showInfo(
        this, title,
        shown->IsBye() ? "This match is a bye." : "The players of this match are not known yet.");
  int winner = shown->Winner.empty() ? -1 : (shown->Winner == shown->PlayerA ? 0 : 1);
  QString result = toQString(shown->Result);
  if (!matchDialog->askResult(title, playerText(shown->PlayerA), playerText(shown->PlayerB), winner,
                              result))
    return;
  const int index = knockoutCombo->currentData().toInt();
  const std::string winnerID = winner == 0 ? shown->PlayerA : shown->PlayerB;
  if (saveResult(index, {round, match}, winnerID, fromQString(result))) showBracket();
}

// Records the result holding the file's lock; a new winner whose former one has played on
// empties the later matches only when the user agrees.
bool KnockoutWindow::saveResult(int index, const MatchRef& ref, const std::string& winner,
                                const std::string& result) {
  const std::string path = KnockoutFilePath(Settings());
  for (bool force = false;; force = true) {
    ResultChange change;
    const Knockout before = knockouts_.RecordAt(index);
    const BatchReport report = knockouts_.UpdateRecords({index}, path, [&](int at) {
      change = RecordResult(knockouts_.RecordAt(at), ref, winner, result, force);
      return change.Outcome.ok();
    });
    if (!report.ok()) {
      knockouts_.RecordAt(index) = before;
      QStringList lines;
      for (const std::string& message : report.Messages())
        lines << toQString(message);
      Prompts().showError(this, kTitle, lines.join('\n'));
      return false;
    }
    if (change.Outcome) return true;
    if (!change.NeedsForce || force) {
      Prompts().showError(this, kTitle, toQString(change.Outcome.message()));
      return false;
    }
    if (!Prompts().askYesNo(this, kTitle,
                            toQString(MatchName(ref) + ": " + change.Outcome.message()) +
                                "\n\nEmpty the later matches that depended on it?"))
      return false;
  }
}

}  // namespace cardwise::app
