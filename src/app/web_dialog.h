#pragma once
// "Make Web-Pages": the file-name form and the update-all boxes, then the whole site made.
//
// Showing the dialog sets the boxes from Settings(). "&Make Pages" stores the boxes into
// Settings() and writes the settings, makes the site with the hourglass cursor while the status
// line (yellow) and the progress bar follow the run, and closes the dialog with Accepted. The
// run ends with one message: the pages written and kept and the web root, and either the pages
// that could not be written or an "Open site" button that opens the site's front page in the
// browser. "Publish players' &contact details" is the setting PublishContacts; "Cha&rts on the
// pages" the setting Charts; "Page &language" the setting Language, the language tag written
// into every page: a text that is not a language tag is refused with a message before anything
// is made.
//
// "Publish after making pages" (enabled when Setup has a "Publish to" target) then publishes
// the site (src/web/publish.h), the status line and the bar following each file sent; the last
// message tells what was sent, or why publishing failed. A site with pages that could not be
// written is not published.

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QProgressBar;

namespace cardwise {
struct MakePagesReport;
}

namespace cardwise::app {

class StatusPanel;

class WebDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WebDialog(QWidget* parent = nullptr);

  StatusPanel* Status() const { return statusPanel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createCheckBoxes();
  void createLanguageField(QGridLayout* grid);
  void createButtons();
  void createStatusLine();

  void activate();
  void storeBoxes();
  bool languageIsValid();
  void makeSite();
  // Runs `job` with the hourglass cursor, the status texts moving the bar towards
  // `expectedTexts`.
  void runWithProgress(int expectedTexts, const std::function<void()>& job);
  MakePagesReport makePages();
  // The publish summary, or nullopt when publishing failed (shown after `made`, what the run
  // made).
  std::optional<QString> Publish(const QString& made);
  void reportSkipped(const QString& made, const MakePagesReport& report, bool publishWanted);
  void offerSite(const QString& text);

  QCheckBox* boxes_[5] = {};  // in the order of the box table
  QCheckBox* contactsBox_ = nullptr;
  QCheckBox* chartsBox_ = nullptr;
  QCheckBox* publishBox_ = nullptr;
  QLineEdit* languageEdit_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  StatusPanel* statusPanel_ = nullptr;
};

}  // namespace cardwise::app
