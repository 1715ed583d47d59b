#include "app/team_fields.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "records/player.h"

namespace cardwise::app {

namespace {

const QStringList& formatNames() {
  static const QStringList names = {"Individual",   "Four-ball, better ball",
                                    "Team, best N", "Foursomes",
                                    "Greensomes",   "Texas scramble"};
  return names;
}

enum TeamColumn { kMembersColumn, kNameColumn };

QString cellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text().trimmed() : QString();
}

}  // namespace

TeamFields::TeamFields(QWidget* parent) : QWidget(parent) {
  setObjectName("teamFields");
  createWidgets();
  showFormat();
}

void TeamFields::createWidgets() {
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 0, 0, 0);
  formatCombo = new QComboBox;
  formatCombo->setObjectName("formatCombo");
  formatCombo->addItems(formatNames());
  form->addRow("For&mat", formatCombo);
  teamArea = new QWidget;
  auto* teamForm = new QFormLayout(teamArea);
  teamForm->setContentsMargins(0, 0, 0, 0);
  bestSpin = new QSpinBox;
  bestSpin->setObjectName("bestSpin");
  bestSpin->setRange(1, 4);
  bestSpin->setValue(kDefaultBest);
  bestSpin->setToolTip("Team: the scores that count on each hole");
  teamForm->addRow("&Best", bestSpin);
  allowanceEdit = new QLineEdit;
  allowanceEdit->setObjectName("allowanceEdit");
  allowanceEdit->setPlaceholderText("the format's");
  allowanceEdit->setToolTip("Percentages from the lowest course handicap, e.g. 90 or 35,15");
  teamForm->addRow("Allo&wance %", allowanceEdit);
  teamsGrid = new QTableWidget(1, 2);
  teamsGrid->setObjectName("teamsGrid");
  teamsGrid->setHorizontalHeaderLabels({"Player IDs", "Team name"});
  teamsGrid->horizontalHeader()->setStretchLastSection(true);
  teamsGrid->setMinimumHeight(teamsGrid->verticalHeader()->defaultSectionSize() * 5);
  teamForm->addRow("&Teams", teamsGrid);
  form->addRow(teamArea);
  connect(formatCombo, &QComboBox::currentIndexChanged, this, [this] {
    showFormat();
    if (!showing_) emit edited();
  });
  connect(bestSpin, &QSpinBox::valueChanged, this, [this] {
    if (!showing_) emit edited();
  });
  connect(allowanceEdit, &QLineEdit::textEdited, this, &TeamFields::edited);
  connect(teamsGrid, &QTableWidget::itemChanged, this, [this] {
    if (showing_) return;
    growGrid();
    emit edited();
  });
}

void TeamFields::showFormat() {
  const int format = formatCombo->currentIndex();
  teamArea->setVisible(format != kIndividual);
  bestSpin->setEnabled(format == kTeamBest);
}

// A last empty row is always there to type a new team into.
void TeamFields::growGrid() {
  const int last = teamsGrid->rowCount() - 1;
  if (last < 0 || !cellText(teamsGrid, last, kMembersColumn).isEmpty())
    teamsGrid->setRowCount(last + 2);
}

void TeamFields::showEvent(const Event& event) {
  showing_ = true;
  formatCombo->setCurrentIndex(event.Format);
  bestSpin->setValue(event.Best > 0 ? event.Best : kDefaultBest);
  allowanceEdit->setText(toQString(event.Allowance));
  teamsGrid->clearContents();
  teamsGrid->setRowCount(static_cast<int>(event.Teams.size()) + 1);
  for (int row = 0; row < static_cast<int>(event.Teams.size()); ++row) {
    const Team& team = event.Teams[static_cast<std::size_t>(row)];
    Team members{team.Members, ""};
    teamsGrid->setItem(row, kMembersColumn, new QTableWidgetItem(toQString(members.Text())));
    teamsGrid->setItem(row, kNameColumn, new QTableWidgetItem(toQString(team.Name)));
  }
  showFormat();
  showing_ = false;
}

void TeamFields::clear() {
  showEvent(Event());
}

std::optional<QString> TeamFields::readTeams(int format, std::vector<Team>& teams) {
  for (int row = 0; row < teamsGrid->rowCount(); ++row) {
    const QString members = cellText(teamsGrid, row, kMembersColumn);
    if (members.isEmpty()) continue;
    const QString text = members + ";" + cellText(teamsGrid, row, kNameColumn);
    const std::optional<Team> team = Team::Parse(fromQString(text));
    const QString where = QString("Team %1 (%2): ").arg(row + 1).arg(members);
    if (!team) return where + "not a list of up to four player IDs";
    if (const std::string problem = TeamProblem(format, *team, teams); !problem.empty())
      return where + toQString(problem);
    for (const std::string& id : team->Members)
      if (Players().FindRecord(id) == nullptr)
        return where + toQString(id) + " is not in the player list";
    teams.push_back(*team);
  }
  return std::nullopt;
}

// A cell being typed in counts as typed: a post by its shortcut leaves the focus in the cell.
void TeamFields::commitEdit() {
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (editor == nullptr || !teamsGrid->isAncestorOf(editor)) return;
  const int row = teamsGrid->currentRow();
  const int column = teamsGrid->currentColumn();
  if (row < 0 || column < 0) return;
  if (teamsGrid->item(row, column) == nullptr)
    teamsGrid->setItem(row, column, new QTableWidgetItem);
  teamsGrid->item(row, column)->setText(editor->text());
}

std::optional<QString> TeamFields::storeInto(Event& event) {
  commitEdit();
  const int format = formatCombo->currentIndex();
  std::vector<Team> teams;
  if (format != kIndividual) {
    if (std::optional<QString> problem = readTeams(format, teams)) return problem;
    if (!ParseAllowance(fromQString(allowanceEdit->text())))
      return "Allowance: whole percentages separated by \",\", e.g. 90 or 35,15";
  }
  event.Format = format;
  event.Teams = std::move(teams);
  event.Best = format == kTeamBest && (event.Best > 0 || bestSpin->value() != kDefaultBest)
                   ? bestSpin->value()
                   : 0;
  event.Allowance =
      format == kIndividual ? std::string() : fromQString(allowanceEdit->text().trimmed());
  return std::nullopt;
}

}  // namespace cardwise::app
