#pragma once
// The course editor ("Edit Course"): the record editor frame over the course list with the
// course's own fields (name, phone, home page, course rating, slope, tee and its colour, the
// day the card changed) and the card itself in two hole grids, "Course OUT" and "Course IN",
// with the rows Len, Par and Hcp (stroke index).
//
// A post with an empty ID removes a new course, like one still named "??". The tee colour is
// picked with the colour dialog; a course without a colour of its own shows, and on post stores,
// the settings' length colour. The nine-hole sums follow every completed cell.

#include "app/hole_grid.h"
#include "app/record_editor.h"
#include "records/course.h"

class QColorDialog;
class QLineEdit;
class QPushButton;

namespace cardwise::app {

class CourseEditor : public RecordEditor {
  Q_OBJECT

 public:
  explicit CourseEditor(QWidget* parent = nullptr);

  void pickTeeColor();
  void setToday();

 protected:
  void showFields(int index) override;
  void clearFields() override;
  bool storeFields(int index) override;
  std::string pagePathOf(int index) override;

 private:
  void createFields();
  HoleGrid* createGrid(int firstHole, const QString& totalTitle);
  void setTeeColor(const QColor& color);
  void showHoles(const Course& course);
  void showSums(const Course& course);
  void readHoles(Course& course);
  void enterGrid(HoleGrid* grid);
  void completeCell();
  CellLook cellLook(int row, int column, const QString& text) const;

  QLineEdit* courseEdit = nullptr;
  QLineEdit* phoneEdit = nullptr;
  QLineEdit* urlEdit = nullptr;
  QLineEdit* ratingEdit = nullptr;
  QLineEdit* slopeEdit = nullptr;
  QLineEdit* teeEdit = nullptr;
  QPushButton* teeColorButton = nullptr;
  QLineEdit* changedEdit = nullptr;
  HoleGrid* frontNineGrid = nullptr;
  HoleGrid* backNineGrid = nullptr;
  QColorDialog* colorDialog = nullptr;
};

}  // namespace cardwise::app
