#include "app/match_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/prompts.h"
#include "app/qt_text.h"
#include "results/match_play.h"

namespace cardwise::app {

MatchDialog::MatchDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("MatchDialog");
  createWidgets();
}

void MatchDialog::createWidgets() {
  playerAButton = new QRadioButton(this);
  playerAButton->setObjectName("playerAButton");
  playerBButton = new QRadioButton(this);
  playerBButton->setObjectName("playerBButton");
  resultEdit = new QLineEdit(this);
  resultEdit->setObjectName("resultEdit");
  resultEdit->setPlaceholderText("3&2, 1 up, 19th, w/o, conceded");
  auto* resultLabel = new QLabel("&Result", this);
  resultLabel->setBuddy(resultEdit);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &MatchDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &MatchDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(new QLabel("Winner", this));
  form->addRow(playerAButton);
  form->addRow(playerBButton);
  form->addRow(resultLabel, resultEdit);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addWidget(buttons);
}

bool MatchDialog::askResult(const QString& title, const QString& playerA, const QString& playerB,
                            int& winner, QString& result) {
  setWindowTitle(title);
  // "&&" shows an ampersand; the digit is the button's mnemonic.
  playerAButton->setText("&1  " + QString(playerA).replace('&', "&&"));
  playerBButton->setText("&2  " + QString(playerB).replace('&', "&&"));
  // Exclusive buttons cannot both be unchecked, as a match not yet decided shows them.
  for (QRadioButton* button : {playerAButton, playerBButton})
    button->setAutoExclusive(false);
  playerAButton->setChecked(winner == 0);
  playerBButton->setChecked(winner == 1);
  for (QRadioButton* button : {playerAButton, playerBButton})
    button->setAutoExclusive(true);
  resultEdit->setText(result);
  (winner == 1 ? playerBButton : playerAButton)->setFocus();
  if (exec() != QDialog::Accepted) return false;
  winner = playerAButton->isChecked() ? 0 : 1;
  result = resultEdit->text().trimmed();
  return true;
}

void MatchDialog::accept() {
  const QString result = resultEdit->text().trimmed();
  if (!playerAButton->isChecked() && !playerBButton->isChecked())
    return Prompts().showError(this, windowTitle(), "Pick the winner.");
  if (!result.isEmpty() && !IsMatchResult(fromQString(result)))
    return Prompts().showError(this, windowTitle(),
                               "\"" + result +
                                   "\" is not a match result: N&M (such as 3&2), 1 up, 2 up, "
                                   "19th to 24th, w/o or conceded.");
  QDialog::accept();
}

}  // namespace cardwise::app
