#pragma once
// The player editor ("Edit Players"): the record editor frame over the player list with the
// player's own fields: name, exact handicap (one decimal), phone, e-mail and home page. The
// player's club has no field and is kept as it is.

#include "app/record_editor.h"
#include "records/player.h"

class QLineEdit;

namespace cardwise::app {

class PlayerEditor : public RecordEditor {
  Q_OBJECT

 public:
  explicit PlayerEditor(QWidget* parent = nullptr);

 protected:
  void showFields(int index) override;
  void clearFields() override;
  bool storeFields(int index) override;
  std::string pagePathOf(int index) override;
  // After a post the fields show the player as stored: the handicap with one decimal and the
  // locale's decimal separator, as the file holds it, whatever was typed.
  bool postRecord() override;

 private:
  void createFields();

  QLineEdit* playerEdit = nullptr;
  QLineEdit* handicapEdit = nullptr;
  QLineEdit* phoneEdit = nullptr;
  QLineEdit* emailEdit = nullptr;
  QLineEdit* homePageEdit = nullptr;
};

}  // namespace cardwise::app
