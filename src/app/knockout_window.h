#pragma once
// The knockout window: the knockouts of the knockouts' file, each bracket drawn as a tree, and a
// new knockout made from the checked players (with their handicaps), the seeding, the course
// the shots are given on and the allowance ("Make bracket"). Activating a match opens the match
// dialog; its winner and result are refused as on the command line when they cannot stand, and
// a new winner whose former one has played on empties the later matches only after asking.

#include <QDialog>

#include <optional>
#include <vector>

#include "results/knockout_bracket.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace cardwise::app {

class BracketView;
struct MatchBox;
class MatchDialog;

class KnockoutWindow : public QDialog {
  Q_OBJECT

 public:
  explicit KnockoutWindow(QWidget* parent = nullptr);

  // Reads the knockouts' file and the player and course lists again.
  void reload();
  void makeBracket();
  void enterResult(int round, int match);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createWidgets();
  QWidget* createNewKnockoutBox();
  std::optional<KnockoutRequest> readRequest() const;
  void fillPlayers();
  void fillCourses();
  void fillKnockouts(const QString& currentID);
  void showBracket();
  std::vector<MatchBox> matchBoxes(const Knockout& knockout) const;
  const Knockout* currentKnockout() const;
  QString playerText(const std::string& id) const;
  bool saveResult(int index, const MatchRef& ref, const std::string& winner,
                  const std::string& result);

  QComboBox* knockoutCombo = nullptr;
  QLineEdit* idEdit = nullptr;
  QLineEdit* nameEdit = nullptr;
  QListWidget* playerList = nullptr;
  QComboBox* seedingCombo = nullptr;
  QLineEdit* seedEdit = nullptr;
  QComboBox* courseCombo = nullptr;
  QSpinBox* allowanceSpin = nullptr;
  QPushButton* makeButton = nullptr;
  BracketView* bracketView = nullptr;
  MatchDialog* matchDialog = nullptr;
  KnockoutList knockouts_;
};

}  // namespace cardwise::app
