#pragma once
// The bracket drawn as a tree: a column per round headed by its name, each match a box with its
// two players (the winner in bold, the shots received after the name, the result beside the
// winner), lines joining each match to the one its winner goes on to. One match is current
// (framed): the arrow keys move it (Up and Down within a round, Left and Right to the round
// before or after), Enter or Space activates it, and so does a click.

#include <QString>
#include <QWidget>
#include <vector>

namespace cardwise::app {

// One match as the view shows it; Round and Match count from 1.
struct MatchBox {
  int Round = 0;
  int Match = 0;
  QString PlayerA, PlayerB;  // empty: not known yet
  int Winner = -1;           // 0: A, 1: B, -1: not decided
  QString Result;
};

class BracketView : public QWidget {
  Q_OBJECT

 public:
  explicit BracketView(QWidget* parent = nullptr);

  // Shows the matches of a bracket of `rounds` rounds under the rounds' names (one per round).
  // The current match stays where it was when the bracket has it, else the first.
  void setBracket(const std::vector<MatchBox>& matches, const QStringList& roundNames);
  const MatchBox* currentMatch() const;
  void setCurrentMatch(int round, int match);

  QSize sizeHint() const override;

 signals:
  void matchActivated(int round, int match);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRect boxRect(int round, int match) const;
  int indexOf(int round, int match) const;
  void paintBox(QPainter& painter, const MatchBox& box) const;
  void paintJoin(QPainter& painter, const MatchBox& box) const;
  void moveCurrent(int roundStep, int matchStep);

  std::vector<MatchBox> matches_;
  QStringList roundNames_;
  int current_ = -1;  // index into matches_
};

}  // namespace cardwise::app
