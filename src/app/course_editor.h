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

class TFCourse : public TRecordEditor {
  Q_OBJECT

 public:
  explicit TFCourse(QWidget* parent = nullptr);

  void DoColorPick();
  void DoSetToday();

 protected:
  void ShowFields(int index) override;
  void ClearFields() override;
  bool StoreFields(int index) override;
  std::string PagePathOf(int index) override;

 private:
  void createFields();
  THoleGrid* createGrid(int firstHole, const QString& totalTitle);
  void SetTeeColor(const QColor& color);
  void ShowHoles(const TCourse& course);
  void ShowSums(const TCourse& course);
  void ReadHoles(TCourse& course);
  void DoSGEnter(THoleGrid* grid);
  void DoCellCompleted();
  CellLook DoDrawHoriz(int row, int column, const QString& text) const;

  QLineEdit* Ecourse = nullptr;
  QLineEdit* Ephone = nullptr;
  QLineEdit* Eurl = nullptr;
  QLineEdit* Ecr = nullptr;
  QLineEdit* Eslope = nullptr;
  QLineEdit* Etee = nullptr;
  QPushButton* Bcolor = nullptr;
  QLineEdit* Echanged = nullptr;
  THoleGrid* SGout = nullptr;
  THoleGrid* SGin = nullptr;
  QColorDialog* CD = nullptr;
};

}  // namespace cardwise::app
