#pragma once
// Field helpers the editors share: field texts and settings colours, numbers shown as the grids and
// labels show them, a hole row copied between a record and a grid, double-click actions, and the
// date and time readers of a post with their messages.

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/qt_text.h"
#include "records/dates.h"
#include "records/hole_row.h"
#include "settings/settings.h"

class QButtonGroup;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace cardwise::app {

class HoleGrid;

// A field's text as the core keeps it: Windows-1252, blanks trimmed.
std::string fieldText(const QLineEdit* field);

// A field's number as a record keeps it (a handicap, a rating): "," read as "."; 0 for a text
// that is no number or lies beyond single precision (which no data file could read back).
float fieldSingle(const QLineEdit* field);

// A caption of the settings' table (grid titles follow a changed caption).
QString captionOf(Caption id);

// A colour of the settings.
QColor settingsColor(ColorKey key);

// The number as text, empty for 0 (an empty cell is "not filled").
QString numberText(int value);

// Row `row` of the grid from and into the record's hole values (a text that is not a whole
// number counts as 0).
void showHoleRow(HoleGrid& grid, int row, const Result& values);
void readHoleRow(const HoleGrid& grid, int row, Result& values);

// A line edit and its label in a grid layout: the label in `column`, the field beside it over
// `span` columns. The label's "&" letter reaches the field.
QLineEdit* addField(QGridLayout* form, const char* name, const QString& label, const QString& hint,
                    int row, int column, int span = 1);

// A titled group of radio buttons, one per name, the button of name i with the id i and the
// object name "typeGroup<i>", over two columns of the layout's row.
QButtonGroup* addTypeGroup(QWidget* owner, QGridLayout* form, int row, const QString& title,
                           const QStringList& names);
// Checks the button of `type`, or none when no button has that id.
void showType(QButtonGroup* group, int type);

// Completes an ID field from entries "ID  Name" as the user types, matching the ID or the name
// anywhere; choosing an entry puts its ID into the field. The entries are read again whenever
// the field gets the focus, so that they follow the lists.
void addIdCompleter(QLineEdit* field, std::function<QStringList()> entries);
// The entries of a record list for addIdCompleter: "ID  Name" in list order.
template <class List, class NameOf>
QStringList idEntries(const List& list, NameOf nameOf) {
  QStringList entries;
  for (int i = 0; i < list.Count(); ++i)
    entries << toQString(list.RecordAt(i).ID) + "  " + toQString(nameOf(list.RecordAt(i)));
  return entries;
}
// The name of the player with the ID, empty when there is none (the results grids show it).
QString playerNameOf(const QString& id);
// Marks a typed ID that is not in its list ("player list"): the ID in red, and in the empty
// `nameField` (as its placeholder, so that nothing of it is stored) "QQ is not in the player
// list". A known or empty ID is shown plain.
void flagUnknownId(QLineEdit* idField, QLineEdit* nameField, bool known, const QString& listName);

// Runs `action` when the field is double-clicked.
void onDoubleClick(QLineEdit* field, std::function<void()> action);

// The field's date in the user's short date format; an empty field is no date (0) when
// `emptyIsNone`. Otherwise nullopt after telling the user "'text' is not a valid date".
std::optional<DateTime> readDateField(QWidget* parent, const QLineEdit* field, bool emptyIsNone);
// The field's time of day; nullopt after "'text' is not a valid time" (an empty field too).
std::optional<DateTime> readTimeField(QWidget* parent, const QLineEdit* field);

}  // namespace cardwise::app
