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

using PlayerAdapter = TRecordListAdapter<TPlayer>;

EditorTraits PlayerTraits() {
  EditorTraits traits = MakeEditorTraits("player", "Player", kPlayersFile);
  traits.Caption = "Edit Players";
  traits.UsesOf = [](const std::string& id) { return PlayerUses(ProcessDatabase(), id); };
  return traits;
}

std::string PlayerName(const TPlayer& player) {
  return player.Player;
}

}  // namespace

TFPlayer::TFPlayer(QWidget* parent)
    : TRecordEditor(PlayerTraits(), std::make_unique<PlayerAdapter>(Players(), &PlayerName),
                    parent) {
  createFields();
}

void TFPlayer::createFields() {
  auto* form = new QFormLayout(FieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label) {
    edit = new QLineEdit;
    edit->setObjectName(name);
    form->addRow(label, edit);
    WatchField(edit);
  };
  field(Eplayer, "Eplayer", "Player &name");
  field(Ehcp, "Ehcp", "Hcp");
  field(Ephone, "Ephone", "Ph&one");
  field(Eemail, "Eemail", "E&mail");
  field(Eurlhome, "Eurlhome", "&URL to players homepage");
  Eplayer->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
}

void TFPlayer::ShowFields(int index) {
  const TPlayer& player = RecordAt<TPlayer>(index);
  Eplayer->setText(ToQString(player.Player));
  Ehcp->setText(ToQString(FormatOneDecimal(player.Hcp)));
  Ephone->setText(ToQString(player.Phone));
  Eemail->setText(ToQString(player.Email));
  Eurlhome->setText(ToQString(player.URL));
}

void TFPlayer::ClearFields() {
  for (QLineEdit* field : {Eplayer, Ehcp, Ephone, Eemail, Eurlhome})
    field->clear();
}

bool TFPlayer::StoreFields(int index) {
  TPlayer& player = RecordAt<TPlayer>(index);
  player.Player = FieldText(Eplayer);
  player.Hcp = FieldSingle(Ehcp);
  player.Phone = FieldText(Ephone);
  player.Email = FieldText(Eemail);
  player.URL = FieldText(Eurlhome);
  return true;
}

// A handicap typed "18,45" is the number 18.45 (a comma always reads as a decimal point) and is
// written "18.5" where the decimal separator is ".": the field must not keep the typed text.
bool TFPlayer::PostRecord() {
  if (!TRecordEditor::PostRecord()) return false;
  ShowRecord();
  return true;
}

std::string TFPlayer::PagePathOf(int index) {
  return PagePath(Settings(), PlayerPage(Settings(), List().KeyAt(index)));
}

}  // namespace cardwise::app
