#pragma once
// The main window: five editor buttons, the web button, the File, Database and Help menus and
// the status line with its clock.

#include <QMainWindow>
#include <QString>

class QAction;
class QMenu;
class QTimer;
class QToolButton;

namespace cardwise::app {

class StatusPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  StatusPanel* Status() const { return status_; }
  // Switches the five editor buttons (and the editors' buttons) to the true-colour or plain
  // images and sets the "True color icons" check mark.
  void applyButtonImages(bool trueColor);
  // Sets the "True color icons" check mark only.
  void setIconsChecked(bool trueColor);
  // The title says whether the demo data is loaded, and a database without any record shows
  // the first steps instead of an empty window. Runs on every activation.
  void showDatabaseState();

 protected:
  void changeEvent(QEvent* event) override;
  // Closing the main window ends the program, whatever other windows are open.
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                       void (MainWindow::*slot)());
  QToolButton* addEditorButton(const char* name, const QString& caption, const QString& hint);
  void createMenus();
  void createFileMenu();
  void createDatabaseMenu();
  void createHelpMenu();
  void createWidgets();
  void createTimer();
  QWidget* createFirstSteps();
  void setOwnImages(bool trueColor);

  void showRounds();
  void showPlayers();
  void showCourses();
  void showEvents();
  void showTours();
  void showImport();
  void showKnockouts();
  void showWeb();
  void loadMoreRounds();
  void showDemo();
  void showSetup();
  void toggleIcons();
  void updatePlayersHcp();
  void recalcEvents();
  void recalcTours();
  void showContents();
  void showHomePage();
  void showAbout();
  void loadDemo();
  void beginWithCourses();
  void showClock();

  StatusPanel* status_ = nullptr;
  QAction* iconsItem_ = nullptr;
  QTimer* timer_ = nullptr;
  QWidget* firstSteps_ = nullptr;
};

}  // namespace cardwise::app
