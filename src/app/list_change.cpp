#include "app/list_change.h"

#include "app/record_editor.h"
#include "app/window_registry.h"

namespace cardwise::app {

EditorsListChange::EditorsListChange() {
  for (TRecordEditor* editor : Windows().Editors) {
    if (!editor->PostPending()) ready_ = false;
    shown_.emplace_back(editor, editor->ShownKey());
  }
}

EditorsListChange::~EditorsListChange() {
  for (const auto& [editor, key] : shown_)
    editor->ShowKey(key);
}

bool SettleEveryEdit() {
  for (TRecordEditor* editor : Windows().Editors) {
    if (!editor->Edited()) continue;
    editor->show();
    editor->raise();
    if (!editor->SettleEdit(false)) return false;
  }
  return true;
}

}  // namespace cardwise::app
