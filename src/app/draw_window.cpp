#include "app/draw_window.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <random>

#include "app/prompts.h"
#include "app/qt_text.h"
#include "platform/codepage.h"
#include "results/database.h"
#include "settings/settings.h"

namespace cardwise::app {

namespace {

constexpr int kIdRole = Qt::UserRole;

QString groupTitle(std::size_t index, const DrawGroup& group) {
  return QStringLiteral("Group %1   %2   tee %3")
      .arg(index + 1)
      .arg(toQString(ClockText(group.Time)))
      .arg(group.Tee);
}

QString playerText(const Player& player) {
  return toQString(player.ID) + "  " + toQString(player.Name) + "  " +
         QString::number(player.Hcp, 'f', 1);
}

// Controls are named by their role, which is how the tests find them.
template <class Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

bool isDrawn(const std::vector<DrawGroup>& draw, const std::string& id) {
  return std::any_of(draw.begin(), draw.end(), [&](const DrawGroup& group) {
    return std::find(group.PlayerIDs.begin(), group.PlayerIDs.end(), id) != group.PlayerIDs.end();
  });
}

}  // namespace

DrawWindow::DrawWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("DrawWindow");
  setWindowTitle("Draw");
  createWidgets();
  createLayout();
  createActions();
}

// Alt+Up and Alt+Down move the selected player to the group before or after, wherever the
// focus is in the window.
void DrawWindow::createActions() {
  moveUpAction = named(new QAction("Move to the group before", this), "moveUpAction");
  moveUpAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
  moveDownAction = named(new QAction("Move to the group after", this), "moveDownAction");
  moveDownAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
  for (QAction* action : {moveUpAction, moveDownAction}) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
  }
  connect(moveUpAction, &QAction::triggered, this, [this] { moveSelectedPlayer(-1); });
  connect(moveDownAction, &QAction::triggered, this, [this] { moveSelectedPlayer(1); });
}

void DrawWindow::createWidgets() {
  playerList = named(new QListWidget, "playerList");
  groupSizeBox = named(new QSpinBox, "groupSizeBox");
  groupSizeBox->setRange(kMinGroupSize, kMaxGroupSize);
  groupSizeBox->setValue(kMaxGroupSize);
  startEdit = named(new QLineEdit("08:00"), "startEdit");
  startEdit->setInputMask("99:99");
  intervalBox = named(new QSpinBox, "intervalBox");
  intervalBox->setRange(0, 60);
  intervalBox->setValue(10);
  intervalBox->setSuffix(" min");
  orderBox = named(new QComboBox, "orderBox");
  orderBox->addItems({"Listed", "Handicap", "Random", "Balanced"});
  orderBox->setCurrentIndex(static_cast<int>(DrawOrder::Handicap));
  seedEdit = named(new QLineEdit, "seedEdit");
  seedEdit->setPlaceholderText("chosen when empty");
  teesBox = named(new QComboBox, "teesBox");
  teesBox->addItems({"One tee", "Two tees (1 and 10)", "Shotgun"});
  makeDrawButton = named(new QPushButton("&Make draw"), "makeDrawButton");
  makeDrawButton->setDefault(true);
  groupTree = named(new QTreeWidget, "groupTree");
  groupTree->setHeaderHidden(true);
  groupTree->setDragDropMode(QAbstractItemView::InternalMove);
  groupTree->invisibleRootItem()->setFlags(Qt::ItemIsEnabled);  // players go into groups only
  saveButton = named(new QPushButton("Sa&ve"), "saveButton");
  closeButton = named(new QPushButton("Close"), "closeButton");
  connect(makeDrawButton, &QPushButton::clicked, this, &DrawWindow::makeDraw);
  connect(groupTree->model(), &QAbstractItemModel::rowsInserted, this, [this] { unsaved_ = true; });
  connect(saveButton, &QPushButton::clicked, this, &DrawWindow::save);
  connect(closeButton, &QPushButton::clicked, this, &DrawWindow::reject);
}

void DrawWindow::createLayout() {
  auto* options = new QFormLayout;
  const auto row = [&](const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    options->addRow(caption, field);
  };
  row("&Group size", groupSizeBox);
  row("S&tart", startEdit);
  row("&Interval", intervalBox);
  row("&Order", orderBox);
  row("Se&ed", seedEdit);
  row("Tee&s", teesBox);
  options->addRow(makeDrawButton);
  auto* players = new QVBoxLayout;
  auto* playersLabel = new QLabel("&Players");
  playersLabel->setBuddy(playerList);
  players->addWidget(playersLabel);
  players->addWidget(playerList);
  auto* groups = new QVBoxLayout;
  auto* groupsLabel = new QLabel("G&roups (drag a player, or Alt+Up / Alt+Down)");
  groupsLabel->setBuddy(groupTree);
  groups->addWidget(groupsLabel);
  groups->addWidget(groupTree);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(saveButton);
  buttons->addWidget(closeButton);
  groups->addLayout(buttons);
  auto* top = new QHBoxLayout(this);
  top->addLayout(players, 2);
  top->addLayout(options, 1);
  top->addLayout(groups, 3);
  resize(900, 520);
}

// ---- showing

void DrawWindow::openEvent(const std::string& eventID) {
  eventID_ = eventID;
  const Event* event = Events().FindRecord(eventID);
  const std::vector<DrawGroup> draw = event ? event->Draw : std::vector<DrawGroup>();
  setWindowTitle("Draw - " + toQString(event ? event->Name : eventID));
  fillPlayers(draw);
  if (event && event->DrawSeed) seedEdit->setText(QString::number(*event->DrawSeed));
  if (!draw.empty()) startEdit->setText(toQString(ClockText(draw.front().Time)));
  showDraw(draw);
  unsaved_ = false;
}

void DrawWindow::fillPlayers(const std::vector<DrawGroup>& draw) {
  playerList->clear();
  const PlayerList& players = Players();
  for (int i = 0; i < players.Count(); ++i) {
    const Player& player = players.RecordAt(i);
    if (player.ID == kPlaceholderID) continue;
    auto* item = new QListWidgetItem(playerText(player), playerList);
    item->setData(kIdRole, toQString(player.ID));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(draw.empty() || isDrawn(draw, player.ID) ? Qt::Checked : Qt::Unchecked);
  }
}

void DrawWindow::showDraw(const std::vector<DrawGroup>& draw) {
  groupTree->clear();
  starts_ = draw;
  for (std::size_t g = 0; g < draw.size(); ++g) {
    auto* group = new QTreeWidgetItem(groupTree, {groupTitle(g, draw[g])});
    group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsDropEnabled);
    for (const std::string& id : draw[g].PlayerIDs) {
      const Player* player = Players().FindRecord(id);
      auto* item = new QTreeWidgetItem(group, {player ? playerText(*player) : toQString(id)});
      item->setData(0, kIdRole, toQString(id));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
  }
  groupTree->expandAll();
}

std::vector<DrawGroup> DrawWindow::shownDraw() const {
  std::vector<DrawGroup> draw;
  for (int g = 0; g < groupTree->topLevelItemCount(); ++g) {
    const QTreeWidgetItem* group = groupTree->topLevelItem(g);
    DrawGroup shown = starts_[static_cast<std::size_t>(g)];
    shown.PlayerIDs.clear();
    for (int p = 0; p < group->childCount(); ++p)
      shown.PlayerIDs.push_back(fromQString(group->child(p)->data(0, kIdRole).toString()));
    draw.push_back(std::move(shown));
  }
  return draw;
}

// ---- drawing

std::vector<DrawEntry> DrawWindow::checkedEntries() const {
  std::vector<DrawEntry> entries;
  for (int i = 0; i < playerList->count(); ++i) {
    const QListWidgetItem* item = playerList->item(i);
    if (item->checkState() != Qt::Checked) continue;
    const Player* player = Players().FindRecord(fromQString(item->data(kIdRole).toString()));
    if (player) entries.push_back({player->ID, static_cast<int>(std::lround(player->Hcp * 10))});
  }
  return entries;
}

bool DrawWindow::readOptions(DrawOptions& options) {
  const std::optional<int> start = ParseClockTime(fromQString(startEdit->text()));
  bool seedRead = true;
  const uint seed = seedEdit->text().trimmed().toUInt(&seedRead);
  if (!start || (!seedEdit->text().trimmed().isEmpty() && !seedRead)) {
    Prompts().showError(
        this, "Draw",
        !start ? "The start is not a time HH:MM." : "The seed is not a whole number.");
    return false;
  }
  options.GroupSize = groupSizeBox->value();
  options.Start = *start;
  options.Interval = intervalBox->value();
  options.Order = static_cast<DrawOrder>(orderBox->currentIndex());
  options.Starts = static_cast<DrawStarts>(teesBox->currentIndex());
  options.Seed = seedEdit->text().trimmed().isEmpty() ? std::random_device()() : seed;
  if (options.Order == DrawOrder::Random) seedEdit->setText(QString::number(options.Seed));
  return true;
}

void DrawWindow::makeDraw() {
  DrawOptions options;
  if (!readOptions(options)) return;
  std::string error;
  const std::optional<std::vector<DrawGroup>> draw = MakeDraw(checkedEntries(), options, error);
  if (!draw) {
    Prompts().showError(this, "Draw", toQString(error));
    return;
  }
  showDraw(*draw);
  unsaved_ = true;
}

void DrawWindow::moveSelectedPlayer(int step) {
  QTreeWidgetItem* item = groupTree->currentItem();
  if (!item || !item->parent()) return;
  const int from = groupTree->indexOfTopLevelItem(item->parent());
  const int to = from + step;
  if (to < 0 || to >= groupTree->topLevelItemCount()) return;
  item->parent()->removeChild(item);
  groupTree->topLevelItem(to)->addChild(item);
  groupTree->setCurrentItem(item);
}

void DrawWindow::reject() {
  if (unsaved_) {
    const EditChoice choice =
        Prompts().askSaveDiscard(this, "Draw", "The draw is not saved. Save it?");
    if (choice == EditChoice::Cancel || (choice == EditChoice::Save && !save())) return;
  }
  QDialog::reject();
}

bool DrawWindow::save() {
  int index = -1;
  if (!Events().Find(eventID_, index)) return false;
  const std::vector<DrawGroup> draw = shownDraw();
  const bool random = static_cast<DrawOrder>(orderBox->currentIndex()) == DrawOrder::Random;
  const std::optional<std::uint32_t> seed =
      random ? std::optional<std::uint32_t>(seedEdit->text().toUInt()) : std::nullopt;
  const BatchReport report =
      Events().UpdateRecords({index}, DataFilePath(Settings(), kEventsFile), [&](int i) {
        Events().RecordAt(i).Draw = draw;
        Events().RecordAt(i).DrawSeed = seed;
        return true;
      });
  unsaved_ = !report.ok();
  if (!report.ok()) {
    QStringList lines;
    for (const std::string& message : report.Messages())
      lines << toQString(message);
    Prompts().showError(this, "Draw", lines.join('\n'));
  }
  return report.ok();
}

}  // namespace cardwise::app
