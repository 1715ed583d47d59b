#pragma once
// The match dialog: the winner of one knockout match picked from its two players, and the
// result typed ("3&2", "1 up", "19th", "w/o", "conceded", or nothing). OK is refused, with a
// message, while no winner is picked or the result is not one of those forms.

#include <QDialog>
#include <QString>

class QLineEdit;
class QRadioButton;

namespace cardwise::app {

class MatchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MatchDialog(QWidget* parent = nullptr);

  // Shows the match; on OK, true with `winner` 0 (A) or 1 (B) and the result text.
  bool askResult(const QString& title, const QString& playerA, const QString& playerB, int& winner,
                 QString& result);

  void accept() override;

 private:
  void createWidgets();

  QRadioButton* playerAButton = nullptr;
  QRadioButton* playerBButton = nullptr;
  QLineEdit* resultEdit = nullptr;
};

}  // namespace cardwise::app
