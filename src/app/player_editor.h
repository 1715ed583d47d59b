#pragma once
// The player editor ("Edit Players"): the record editor frame over the player list with the
// player's own fields: name, exact handicap (one decimal), phone, e-mail and home page. The
// player's club has no field and is kept as it is.

#include "app/record_editor.h"
#include "records/player.h"

class QLineEdit;

namespace cardwise::app {

class TFPlayer : public TRecordEditor {
  Q_OBJECT

 public:
  explicit TFPlayer(QWidget* parent = nullptr);

 protected:
  void ShowFields(int index) override;
  void ClearFields() override;
  bool StoreFields(int index) override;
  std::string PagePathOf(int index) override;
  // After a post the fields show the player as stored: the handicap with one decimal and the
  // locale's decimal separator, as the file holds it, whatever was typed.
  bool PostRecord() override;

 private:
  void createFields();

  QLineEdit* Eplayer = nullptr;
  QLineEdit* Ehcp = nullptr;
  QLineEdit* Ephone = nullptr;
  QLineEdit* Eemail = nullptr;
  QLineEdit* Eurlhome = nullptr;
};

}  // namespace cardwise::app
