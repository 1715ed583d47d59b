#pragma once
// The import window ("Import Data eXchange files from the DOS, CARDWS program"): the paths of the
// DOS program's BANA.DX and ROND.DX (each with a "..." file dialog) and the four numbered steps,
// run in order: courses, players, events, rounds. A step with a missing file says "File not
// found:" and changes nothing; records left out for an unreadable date are listed in one box
// (what was imported stays). Steps 1 to 3 then open the data file they wrote in the desktop's
// text editor, where the user gives the imported records short IDs.

#include <QDialog>

#include "results/dx_import_step.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace cardwise::app {

class StatusPanel;

class ImportWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ImportWindow(QWidget* parent = nullptr);

  void runStep(DXStep step);

 private:
  void createWidgets();
  QLineEdit* createPathRow(QGridLayout* form, int row, const char* name, const QString& label,
                           const QString& file);
  QPushButton* createStepButton(const char* name, const QString& caption, const QString& hint,
                                DXStep step);
  void pickFile(QLineEdit* field);
  void showOutcome(DXStep step, const DXImportReport& report);

  QLineEdit* courseFileEdit = nullptr;
  QLineEdit* roundFileEdit = nullptr;
  StatusPanel* statusPanel = nullptr;
};

}  // namespace cardwise::app
