#pragma once
// "Make Web-Pages": the file-name form and the update-all boxes, then the whole site made.
//
// Showing the dialog sets the boxes from Settings(). "&Make Pages" stores the boxes into
// Settings(), makes the site with the hourglass cursor while the status line (yellow) and the
// progress bar follow the run, reports the pages that could not be written in one message box,
// and closes the dialog with Accepted.
//
// "Publish after making pages" (enabled when Setup has a "Publish to" target) then publishes
// the site (src/web/publish.h), the status line and the bar following each file sent; a
// failure is shown in one message box. A site with pages that could not be written is not
// published.

#include <QDialog>
#include <functional>

class QCheckBox;
class QProgressBar;

namespace cardwise {
struct MakePagesReport;
}

namespace cardwise::app {

class StatusPanel;

class TFhtml : public QDialog {
  Q_OBJECT

 public:
  explicit TFhtml(QWidget* parent = nullptr);

  StatusPanel* Status() const { return Pstatus_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createCheckBoxes();
  void createButtons();
  void createStatusLine();

  void FormActivate();
  void BBokClick();
  // Runs `job` with the hourglass cursor, the status texts moving the bar towards
  // `expectedTexts`.
  void RunWithProgress(int expectedTexts, const std::function<void()>& job);
  MakePagesReport MakePages();
  void Publish();
  void ReportSkipped(const MakePagesReport& report, bool publishWanted);

  QCheckBox* boxes_[5] = {};  // in the order of the box table
  QCheckBox* CBpublish_ = nullptr;
  QProgressBar* PBprogress_ = nullptr;
  StatusPanel* Pstatus_ = nullptr;
};

}  // namespace cardwise::app
