#include "app/player_editor.h"

#include <QFormLayout>
#include <QLineEdit>

#include "app/editor_fields.h"
#include "app/qt_text.h"
#include "records/numbers.h"
#include "records/text.h"
#include "web/site.h"

namespace cardwise::app {

namespace {

using PlayerAdapter = RecordListAdapterOf<Player>;

EditorTraits playerTraits() {
  EditorTraits traits = makeEditorTraits("player", "Player", kPlayersFile);
  traits.Caption = "Edit Players";
  traits.UsesOf = [](const std::string& id) { return PlayerUses(ProcessDatabase(), id); };
  return traits;
}

std::string PlayerName(const Player& player) {
  return player.Name;
}

}  // namespace

PlayerEditor::PlayerEditor(QWidget* parent)
    : RecordEditor(playerTraits(), std::make_unique<PlayerAdapter>(Players(), &PlayerName),
                   parent) {
  createFields();
}

void PlayerEditor::createFields() {
  auto* form = new QFormLayout(fieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label) {
    edit = new QLineEdit;
    edit->setObjectName(name);
    form->addRow(label, edit);
    watchField(edit);
  };
  field(playerEdit, "playerEdit", "Player &name");
  field(handicapEdit, "handicapEdit", "Hcp");
  field(phoneEdit, "phoneEdit", "Ph&one");
  field(emailEdit, "emailEdit", "E&mail");
  field(homePageEdit, "homePageEdit", "&URL to players homepage");
  playerEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
}

void PlayerEditor::showFields(int index) {
  const Player& player = recordAt<Player>(index);
  playerEdit->setText(toQString(player.Name));
  handicapEdit->setText(toQString(FormatOneDecimal(player.Hcp)));
  phoneEdit->setText(toQString(player.Phone));
  emailEdit->setText(toQString(player.Email));
  homePageEdit->setText(toQString(player.URL));
}

void PlayerEditor::clearFields() {
  for (QLineEdit* field : {playerEdit, handicapEdit, phoneEdit, emailEdit, homePageEdit})
    field->clear();
}

bool PlayerEditor::storeFields(int index) {
  Player& player = recordAt<Player>(index);
  player.Name = fieldText(playerEdit);
  player.Hcp = fieldSingle(handicapEdit);
  player.Phone = fieldText(phoneEdit);
  player.Email = fieldText(emailEdit);
  player.URL = fieldText(homePageEdit);
  return true;
}

// A handicap typed "18,45" is the number 18.45 (a comma always reads as a decimal point) and is
// written "18.5" where the decimal separator is ".": the field must not keep the typed text.
bool PlayerEditor::postRecord() {
  if (!RecordEditor::postRecord()) return false;
  showRecord();
  return true;
}

std::string PlayerEditor::pagePathOf(int index) {
  return PagePath(Settings(), PlayerPage(Settings(), list().keyAt(index)));
}

}  // namespace cardwise::app
