#pragma once
// The draw window ("Draw"): the players to draw (a check list with their handicaps), the
// options of the draw (group size, start, interval, order, seed, tees), "Make draw", the groups
// as a tree in which a player is moved to another group by dragging or with Alt+Up and
// Alt+Down, and "Save", which stores the draw with the event (results/draw.h). A draw made
// or changed is not closed without asking.

#include <QDialog>
#include <string>
#include <vector>

#include "results/draw.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace cardwise::app {

class DrawWindow : public QDialog {
  Q_OBJECT

 public:
  explicit DrawWindow(QWidget* parent = nullptr);

  // Shows the event's draw, its players checked (every player when there is no draw yet).
  void openEvent(const std::string& eventID);
  void makeDraw();
  // Stores the groups as shown with the event; false (after saying why) when they could not be.
  bool save();
  // Moves the selected player to the group `step` groups away (-1 the one before, 1 the next).
  void moveSelectedPlayer(int step);
  // The groups as shown.
  std::vector<DrawGroup> shownDraw() const;
  // Closing with a draw made or changed and not saved asks whether to save it first.
  void reject() override;

 private:
  void createWidgets();
  void createLayout();
  void createActions();
  void fillPlayers(const std::vector<DrawGroup>& draw);
  void showDraw(const std::vector<DrawGroup>& draw);
  bool readOptions(DrawOptions& options);
  std::vector<DrawEntry> checkedEntries() const;

  std::string eventID_;
  std::vector<DrawGroup> starts_;  // the time and tee of each group shown
  bool unsaved_ = false;           // the groups shown differ from the event's draw
  QListWidget* playerList = nullptr;
  QSpinBox* groupSizeBox = nullptr;
  QLineEdit* startEdit = nullptr;
  QSpinBox* intervalBox = nullptr;
  QComboBox* orderBox = nullptr;
  QLineEdit* seedEdit = nullptr;
  QComboBox* teesBox = nullptr;
  QPushButton* makeDrawButton = nullptr;
  QTreeWidget* groupTree = nullptr;
  QPushButton* saveButton = nullptr;
  QPushButton* closeButton = nullptr;
  QAction* moveUpAction = nullptr;
  QAction* moveDownAction = nullptr;
};

}  // namespace cardwise::app
