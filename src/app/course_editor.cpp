#include "app/course_editor.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/editor_fields.h"
#include "app/qt_text.h"
#include "app/setup_dialog.h"
#include "records/numbers.h"
#include "records/text.h"
#include "settings/settings.h"
#include "web/site.h"

namespace cardwise::app {

namespace {

using CourseAdapter = TRecordListAdapter<TCourse>;

enum Row { kLenRow = 1, kParRow = 2, kHcpRow = 3 };

// The card's rows in grid order.
constexpr TResult TCourse::*kHoleRows[] = {nullptr, &TCourse::Len, &TCourse::Par, &TCourse::Hcp};

EditorTraits CourseTraits() {
  EditorTraits traits = MakeEditorTraits("course", "Course", kCoursesFile);
  traits.Caption = "Edit Course";
  traits.Removes = PostRemoves::PlaceholderOrEmpty;
  traits.UsesOf = [](const std::string& id) { return CourseUses(ProcessDatabase(), id); };
  return traits;
}

std::string CourseName(const TCourse& course) {
  return course.Course;
}

}  // namespace

TFCourse::TFCourse(QWidget* parent)
    : TRecordEditor(CourseTraits(), std::make_unique<CourseAdapter>(Courses(), &CourseName),
                    parent) {
  setObjectName("TFCourse");
  CD = new QColorDialog(this);
  CD->setObjectName("CD");
  CD->setOption(QColorDialog::DontUseNativeDialog);
  createFields();
}

void TFCourse::createFields() {
  auto* form = new QGridLayout(FieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  // Label and field in columns 0 and 1 (the field spanning to the right edge when `span`), or
  // in columns 2 and 3.
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label, int column,
                   bool span = false) {
    edit = AddField(form, name, label, QString(), row, column, span ? 3 : 1);
    WatchField(edit);
  };
  field(Ecourse, "Ecourse", "Course &name", 0, true), ++row;
  field(Ephone, "Ephone", "Ph&one", 0, true), ++row;
  field(Eurl, "Eurl", "&URL to course homepage", 0, true), ++row;
  field(Ecr, "Ecr", "CR", 0);
  field(Eslope, "Eslope", "&Slope", 2), ++row;
  field(Etee, "Etee", "&Tee", 0);
  Bcolor = new QPushButton("Color");
  Bcolor->setObjectName("Bcolor");
  form->addWidget(Bcolor, row, 2);
  ++row;
  field(Echanged, "Echanged", "Changed", 0), ++row;
  SGout = createGrid(1, "Out");
  SGin = createGrid(10, "In");
  form->addWidget(new QLabel("Course OUT"), row++, 0, 1, 4);
  form->addWidget(SGout, row++, 0, 1, 4);
  form->addWidget(new QLabel("Course IN"), row++, 0, 1, 4);
  form->addWidget(SGin, row++, 0, 1, 4);
  Ecourse->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
  Ecr->setToolTip("Course rating");
  Etee->setAutoFillBackground(true);
  connect(Bcolor, &QPushButton::clicked, this, &TFCourse::DoColorPick);
  OnDoubleClick(Echanged, [this] { DoSetToday(); });
}

THoleGrid* TFCourse::createGrid(int firstHole, const QString& totalTitle) {
  const std::vector<HoleRow> rows = {{"Len", {3, false}}, {"Par", {1, false}}, {"Hcp", {1, true}}};
  auto* grid = new THoleGrid(firstHole, totalTitle, rows);
  grid->setObjectName(firstHole == 1 ? "SGout" : "SGin");
  grid->Look = [this](int row, int column, const QString& text) {
    return DoDrawHoriz(row, column, text);
  };
  connect(grid, &THoleGrid::entered, this, [this, grid] { DoSGEnter(grid); });
  connect(grid, &THoleGrid::cellEdited, this, &TFCourse::DoFlagEdit);
  connect(grid, &THoleGrid::cellCompleted, this, &TFCourse::DoCellCompleted);
  connect(grid, &THoleGrid::refused, this, [this](int, int, const QString& characters) {
    SetStatus("\"" + characters + "\" cannot be in the card: type a number", QColor(255, 0, 0));
  });
  return grid;
}

// ---- showing

void TFCourse::ShowFields(int index) {
  TCourse& course = RecordAt<TCourse>(index);
  Ecourse->setText(ToQString(course.Course));
  Ephone->setText(ToQString(course.Phone));
  Eurl->setText(ToQString(course.URL));
  Etee->setText(ToQString(course.Tee));
  SetTeeColor(ToQColor(course.LenColorOf(Settings())));
  Echanged->setText(course.Changed > 0 ? ToQString(ShortDateText(course.Changed)) : QString());
  Ecr->setText(ToQString(FormatOneDecimal(course.CR)));
  Eslope->setText(ToQString(FormatOneDecimal(course.Slope)));
  ShowHoles(course);
}

void TFCourse::ClearFields() {
  for (QLineEdit* field : {Ecourse, Ephone, Eurl, Etee, Echanged, Ecr, Eslope})
    field->clear();
  SetTeeColor(SettingsColor(ColorKey::Len));
  ShowHoles(TCourse());
}

void TFCourse::SetTeeColor(const QColor& color) {
  QPalette palette = Etee->palette();
  palette.setColor(QPalette::Base, color);
  Etee->setPalette(palette);
  SGout->viewport()->update();
  SGin->viewport()->update();
}

void TFCourse::ShowHoles(const TCourse& course) {
  for (THoleGrid* grid : {SGout, SGin})
    for (int row = kLenRow; row <= kHcpRow; ++row)
      ShowHoleRow(*grid, row, course.*kHoleRows[row]);
  ShowSums(course);
}

void TFCourse::ShowSums(const TCourse& course) {
  for (int row : {kLenRow, kParRow}) {
    const TResult& values = course.*kHoleRows[row];
    SGout->SetText(row, THoleGrid::kTotalColumn, NumberText(values.Out()));
    SGin->SetText(row, THoleGrid::kTotalColumn, NumberText(values.In()));
  }
}

CellLook TFCourse::DoDrawHoriz(int row, int column, const QString& text) const {
  CellLook look;
  look.Text = text;
  look.Bold = column == THoleGrid::kTotalColumn;
  switch (row) {
    case 0:
      look.Background = SettingsColor(ColorKey::Green);
      break;
    case kLenRow:
      look.Background = Etee->palette().color(QPalette::Base);
      break;
    case kParRow:
      look.Background = SettingsColor(ColorKey::Score0);
      break;
    default:
      look.Background = Qt::white;
  }
  return look;
}

// ---- editing

void TFCourse::DoSGEnter(THoleGrid* grid) {
  DoFlagEdit();
  grid->SetCursor(kLenRow, 1);
}

void TFCourse::DoCellCompleted() {
  TCourse* course = ShownRecord<TCourse>();
  if (!course) return;
  ReadHoles(*course);
  ShowSums(*course);
}

void TFCourse::ReadHoles(TCourse& course) {
  for (THoleGrid* grid : {SGout, SGin}) {
    grid->CommitEdit();
    for (int row = kLenRow; row <= kHcpRow; ++row)
      ReadHoleRow(*grid, row, course.*kHoleRows[row]);
  }
}

void TFCourse::DoColorPick() {
  QColor color = Etee->palette().color(QPalette::Base);
  if (!PickColorWithCustomColors(CD, color)) return;
  SetTeeColor(color);
  if (TCourse* course = ShownRecord<TCourse>()) course->LenColor = FromQColor(color);
  DoFlagEdit();
}

void TFCourse::DoSetToday() {
  Echanged->setText(ToQString(ShortDateText(Today())));
}

bool TFCourse::StoreFields(int index) {
  TCourse& course = RecordAt<TCourse>(index);
  course.Course = FieldText(Ecourse);
  course.Phone = FieldText(Ephone);
  course.URL = FieldText(Eurl);
  course.CR = FieldSingle(Ecr);
  course.Slope = FieldSingle(Eslope);
  const std::optional<DateTime> changed = ReadDateField(this, Echanged, true);
  if (!changed) return false;
  course.Changed = *changed;
  course.Tee = FieldText(Etee);
  course.LenColor = FromQColor(Etee->palette().color(QPalette::Base));
  ReadHoles(course);
  return true;
}

std::string TFCourse::PagePathOf(int index) {
  return PagePath(Settings(), CoursePage(Settings(), List().KeyAt(index)));
}

}  // namespace cardwise::app
