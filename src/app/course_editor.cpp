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

using CourseAdapter = RecordListAdapterOf<Course>;

enum Row { kLenRow = 1, kParRow = 2, kHcpRow = 3 };

// The card's rows in grid order.
constexpr Result Course::*kHoleRows[] = {nullptr, &Course::Len, &Course::Par, &Course::Hcp};

EditorTraits courseTraits() {
  EditorTraits traits = makeEditorTraits("course", "Course", kCoursesFile);
  traits.Caption = "Edit Course";
  traits.Removes = PostRemoves::PlaceholderOrEmpty;
  traits.UsesOf = [](const std::string& id) { return CourseUses(ProcessDatabase(), id); };
  return traits;
}

std::string CourseName(const Course& course) {
  return course.Name;
}

}  // namespace

CourseEditor::CourseEditor(QWidget* parent)
    : RecordEditor(courseTraits(), std::make_unique<CourseAdapter>(Courses(), &CourseName),
                   parent) {
  setObjectName("CourseEditor");
  colorDialog = new QColorDialog(this);
  colorDialog->setObjectName("colorDialog");
  colorDialog->setOption(QColorDialog::DontUseNativeDialog);
  createFields();
}

void CourseEditor::createFields() {
  auto* form = new QGridLayout(fieldArea());
  form->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  // Label and field in columns 0 and 1 (the field spanning to the right edge when `span`), or
  // in columns 2 and 3.
  auto field = [&](QLineEdit*& edit, const char* name, const QString& label, int column,
                   bool span = false) {
    edit = addField(form, name, label, QString(), row, column, span ? 3 : 1);
    watchField(edit);
  };
  field(courseEdit, "courseEdit", "Course &name", 0, true), ++row;
  field(phoneEdit, "phoneEdit", "Ph&one", 0, true), ++row;
  field(urlEdit, "urlEdit", "&URL to course homepage", 0, true), ++row;
  field(ratingEdit, "ratingEdit", "CR", 0);
  field(slopeEdit, "slopeEdit", "&Slope", 2), ++row;
  field(teeEdit, "teeEdit", "&Tee", 0);
  teeColorButton = new QPushButton("Color");
  teeColorButton->setObjectName("teeColorButton");
  form->addWidget(teeColorButton, row, 2);
  ++row;
  field(changedEdit, "changedEdit", "Changed", 0), ++row;
  frontNineGrid = createGrid(1, "Out");
  backNineGrid = createGrid(10, "In");
  form->addWidget(new QLabel("Course OUT"), row++, 0, 1, 4);
  form->addWidget(frontNineGrid, row++, 0, 1, 4);
  form->addWidget(new QLabel("Course IN"), row++, 0, 1, 4);
  form->addWidget(backNineGrid, row++, 0, 1, 4);
  courseEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
  ratingEdit->setToolTip("Course rating");
  teeEdit->setAutoFillBackground(true);
  connect(teeColorButton, &QPushButton::clicked, this, &CourseEditor::pickTeeColor);
  onDoubleClick(changedEdit, [this] { setToday(); });
}

HoleGrid* CourseEditor::createGrid(int firstHole, const QString& totalTitle) {
  const std::vector<HoleRow> rows = {{"Len", {3, false}}, {"Par", {1, false}}, {"Hcp", {1, true}}};
  auto* grid = new HoleGrid(firstHole, totalTitle, rows);
  grid->setObjectName(firstHole == 1 ? "frontNineGrid" : "backNineGrid");
  grid->Look = [this](int row, int column, const QString& text) {
    return cellLook(row, column, text);
  };
  connect(grid, &HoleGrid::entered, this, [this, grid] { enterGrid(grid); });
  connect(grid, &HoleGrid::cellEdited, this, &CourseEditor::markEdited);
  connect(grid, &HoleGrid::cellCompleted, this, &CourseEditor::completeCell);
  connect(grid, &HoleGrid::refused, this, [this](int, int, const QString& characters) {
    setStatus("\"" + characters + "\" cannot be in the card: type a number", QColor(255, 0, 0));
  });
  return grid;
}

// ---- showing

void CourseEditor::showFields(int index) {
  Course& course = recordAt<Course>(index);
  courseEdit->setText(toQString(course.Name));
  phoneEdit->setText(toQString(course.Phone));
  urlEdit->setText(toQString(course.URL));
  teeEdit->setText(toQString(course.Tee));
  setTeeColor(toQColor(course.LenColorOf(Settings())));
  changedEdit->setText(course.Changed > 0 ? toQString(ShortDateText(course.Changed)) : QString());
  ratingEdit->setText(toQString(FormatOneDecimal(course.CR)));
  slopeEdit->setText(toQString(FormatOneDecimal(course.Slope)));
  showHoles(course);
}

void CourseEditor::clearFields() {
  for (QLineEdit* field :
       {courseEdit, phoneEdit, urlEdit, teeEdit, changedEdit, ratingEdit, slopeEdit})
    field->clear();
  setTeeColor(settingsColor(ColorKey::Len));
  showHoles(Course());
}

void CourseEditor::setTeeColor(const QColor& color) {
  QPalette palette = teeEdit->palette();
  palette.setColor(QPalette::Base, color);
  teeEdit->setPalette(palette);
  frontNineGrid->viewport()->update();
  backNineGrid->viewport()->update();
}

void CourseEditor::showHoles(const Course& course) {
  for (HoleGrid* grid : {frontNineGrid, backNineGrid})
    for (int row = kLenRow; row <= kHcpRow; ++row)
      showHoleRow(*grid, row, course.*kHoleRows[row]);
  showSums(course);
}

void CourseEditor::showSums(const Course& course) {
  for (int row : {kLenRow, kParRow}) {
    const Result& values = course.*kHoleRows[row];
    frontNineGrid->setCellText(row, HoleGrid::kTotalColumn, numberText(values.Out()));
    backNineGrid->setCellText(row, HoleGrid::kTotalColumn, numberText(values.In()));
  }
}

CellLook CourseEditor::cellLook(int row, int column, const QString& text) const {
  CellLook look;
  look.Text = text;
  look.Bold = column == HoleGrid::kTotalColumn;
  switch (row) {
    case 0:
      look.Background = settingsColor(ColorKey::Green);
      break;
    case kLenRow:
      look.Background = teeEdit->palette().color(QPalette::Base);
      break;
    case kParRow:
      look.Background = settingsColor(ColorKey::Score0);
      break;
    default:
      look.Background = Qt::white;
  }
  return look;
}

// ---- editing

void CourseEditor::enterGrid(HoleGrid* grid) {
  markEdited();
  grid->moveCursorTo(kLenRow, 1);
}

void CourseEditor::completeCell() {
  Course* course = shownRecord<Course>();
  if (!course) return;
  readHoles(*course);
  showSums(*course);
}

void CourseEditor::readHoles(Course& course) {
  for (HoleGrid* grid : {frontNineGrid, backNineGrid}) {
    grid->commitEdit();
    for (int row = kLenRow; row <= kHcpRow; ++row)
      readHoleRow(*grid, row, course.*kHoleRows[row]);
  }
}

void CourseEditor::pickTeeColor() {
  QColor color = teeEdit->palette().color(QPalette::Base);
  if (!pickColorWithCustomColors(colorDialog, color)) return;
  setTeeColor(color);
  if (Course* course = shownRecord<Course>()) course->LenColor = fromQColor(color);
  markEdited();
}

void CourseEditor::setToday() {
  changedEdit->setText(toQString(ShortDateText(Today())));
}

bool CourseEditor::storeFields(int index) {
  Course& course = recordAt<Course>(index);
  course.Name = fieldText(courseEdit);
  course.Phone = fieldText(phoneEdit);
  course.URL = fieldText(urlEdit);
  course.CR = fieldSingle(ratingEdit);
  course.Slope = fieldSingle(slopeEdit);
  const std::optional<DateTime> changed = readDateField(this, changedEdit, true);
  if (!changed) return false;
  course.Changed = *changed;
  course.Tee = fieldText(teeEdit);
  course.LenColor = fromQColor(teeEdit->palette().color(QPalette::Base));
  readHoles(course);
  return true;
}

std::string CourseEditor::pagePathOf(int index) {
  return PagePath(Settings(), CoursePage(Settings(), list().keyAt(index)));
}

}  // namespace cardwise::app
