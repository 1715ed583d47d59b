#pragma once
// The team part of the event editor: the event's format (individual, four-ball, team best N,
// foursomes, greensomes, scramble), Best, the allowance percentages and the teams grid (one
// row per team: the members' player IDs separated by ",", then the team's name).
//
// A team format shows Best (team only), the allowance and the grid; an individual event hides
// them. storeInto checks the teams as the events file's reader does (the size for the format,
// a player in two teams) and that every member is in the player list.

#include <QWidget>
#include <optional>

#include "results/event.h"

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace cardwise::app {

class TeamFields : public QWidget {
  Q_OBJECT

 public:
  explicit TeamFields(QWidget* parent = nullptr);

  void showEvent(const Event& event);
  void clear();
  // Writes the fields into the event; nullopt when they are fit, else what is wrong (the event
  // is then unchanged).
  std::optional<QString> storeInto(Event& event);

 signals:
  void edited();

 private:
  void createWidgets();
  void showFormat();
  void growGrid();
  void commitEdit();
  std::optional<QString> readTeams(int format, std::vector<Team>& teams);

  QComboBox* formatCombo = nullptr;
  QSpinBox* bestSpin = nullptr;
  QLineEdit* allowanceEdit = nullptr;
  QTableWidget* teamsGrid = nullptr;
  QWidget* teamArea = nullptr;
  bool showing_ = false;
};

}  // namespace cardwise::app
