#include "app/list_change.h"

#include "app/record_editor.h"
#include "app/window_registry.h"

namespace cardwise::app {

EditorsListChange::EditorsListChange() {
  for (RecordEditor* editor : Windows().Editors) {
    if (!editor->postPending()) ready_ = false;
    shown_.emplace_back(editor, editor->shownKey());
  }
}

EditorsListChange::~EditorsListChange() {
  for (const auto& [editor, key] : shown_)
    editor->showKey(key);
}

bool settleEveryEdit() {
  for (RecordEditor* editor : Windows().Editors) {
    if (!editor->isEdited()) continue;
    editor->show();
    editor->raise();
    if (!editor->settleEdit(false)) return false;
  }
  return true;
}

}  // namespace cardwise::app
