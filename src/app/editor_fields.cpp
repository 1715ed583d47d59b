#include "app/editor_fields.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include "app/hole_grid.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "records/numbers.h"
#include "records/player.h"
#include "records/text.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";

class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return QObject::eventFilter(watched, event);
    action_();
    return true;
  }

 private:
  std::function<void()> action_;
};

// Puts only the ID of a chosen "ID  Name" entry into the field, and matches the whole text typed.
class IdCompleter : public QCompleter {
 public:
  IdCompleter(QLineEdit* field, std::function<QStringList()> entries)
      : QCompleter(field), entries_(std::move(entries)) {
    setModel(new QStringListModel(this));
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
    // The names need more room than the IDs' field gives.
    popup()->setMinimumWidth(field->fontMetrics().averageCharWidth() * 36);
    field->installEventFilter(this);
  }

  QString pathFromIndex(const QModelIndex& index) const override {
    return index.data().toString().section("  ", 0, 0);
  }
  QStringList splitPath(const QString& path) const override { return {path}; }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn && watched == parent())
      static_cast<QStringListModel*>(model())->setStringList(entries_());
    return QCompleter::eventFilter(watched, event);
  }

 private:
  std::function<QStringList()> entries_;
};

void notValid(QWidget* parent, const QLineEdit* field, const char* what) {
  Prompts().showError(parent, kTitle, QString("'%1' is not a valid %2").arg(field->text(), what));
}

}  // namespace

std::string fieldText(const QLineEdit* field) {
  return Trim(fromQString(field->text()));
}

float fieldSingle(const QLineEdit* field) {
  return ParseSingle(fieldText(field)).value_or(0.0f);
}

QString captionOf(Caption id) {
  return toQString(Settings().CaptionText(id));
}

QColor settingsColor(ColorKey key) {
  return toQColor(Settings().Value(key));
}

QString numberText(int value) {
  return value == 0 ? QString() : QString::number(value);
}

void showHoleRow(HoleGrid& grid, int row, const Result& values) {
  for (int column = 1; column <= 9; ++column)
    grid.setCellText(row, column, numberText(values.Hole(grid.firstHole() + column - 1)));
}

void readHoleRow(const HoleGrid& grid, int row, Result& values) {
  for (int column = 1; column <= 9; ++column)
    values.SetHole(grid.firstHole() + column - 1, fromQString(grid.cellText(row, column)));
}

QLineEdit* addField(QGridLayout* form, const char* name, const QString& label, const QString& hint,
                    int row, int column, int span) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  field->setToolTip(hint);
  auto* caption = new QLabel(label);
  caption->setBuddy(field);
  form->addWidget(caption, row, column);
  form->addWidget(field, row, column + 1, 1, span);
  return field;
}

QButtonGroup* addTypeGroup(QWidget* owner, QGridLayout* form, int row, const QString& title,
                           const QStringList& names) {
  auto* box = new QGroupBox(title);
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(owner);
  for (int type = 0; type < names.size(); ++type) {
    auto* button = new QRadioButton(names[type]);
    button->setObjectName(QString("typeGroup%1").arg(type));
    group->addButton(button, type);
    column->addWidget(button);
  }
  form->addWidget(box, row, 0, 1, 2);
  return group;
}

// An exclusive group cannot uncheck its last checked button.
void showType(QButtonGroup* group, int type) {
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons())
    button->setChecked(group->id(button) == type);
  group->setExclusive(true);
}

void addIdCompleter(QLineEdit* field, std::function<QStringList()> entries) {
  field->setCompleter(new IdCompleter(field, std::move(entries)));
}

QString playerNameOf(const QString& id) {
  const Player* player = Players().FindRecord(fromQString(id));
  return player ? toQString(player->Name) : QString();
}

void flagUnknownId(QLineEdit* idField, QLineEdit* nameField, bool known, const QString& listName) {
  const bool flagged = !known && !idField->text().trimmed().isEmpty();
  idField->setStyleSheet(flagged ? "QLineEdit { color: #c00000; }" : QString());
  const QString note = idField->text().trimmed() + " is not in the " + listName;
  idField->setToolTip(flagged ? note : QString());
  nameField->setPlaceholderText(flagged ? note : QString());
}

void onDoubleClick(QLineEdit* field, std::function<void()> action) {
  field->installEventFilter(new DoubleClickFilter(field, std::move(action)));
}

std::optional<DateTime> readDateField(QWidget* parent, const QLineEdit* field, bool emptyIsNone) {
  const std::string text = Trim(fromQString(field->text()));
  if (text.empty() && emptyIsNone) return 0.0;
  if (std::optional<DateTime> date = StrToDate(text)) return date;
  notValid(parent, field, "date");
  return std::nullopt;
}

std::optional<DateTime> readTimeField(QWidget* parent, const QLineEdit* field) {
  if (std::optional<DateTime> time = ParseTime(Trim(fromQString(field->text())))) return time;
  notValid(parent, field, "time");
  return std::nullopt;
}

}  // namespace cardwise::app
