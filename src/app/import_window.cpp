#include "app/import_window.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/list_change.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/status_panel.h"
#include "platform/files.h"

namespace cardwise::app {

namespace {

const char kTitle[] = "Cardwise";
constexpr int kMaxListed = 30;

QString pathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string pathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

ImportWindow::ImportWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("ImportWindow");
  setWindowTitle("Import Data eXchange files from the DOS, CARDWS program");
  createWidgets();
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { openHelp("IMPORT"); });
}

// The DOS program's folder, copied into the home folder.
void ImportWindow::createWidgets() {
  auto* form = new QGridLayout;
  const QString dos = QDir::homePath() + "/CARDWS/";
  courseFileEdit = createPathRow(form, 0, "courseFileEdit", "&BANA.DX filename", dos + "BANA.DX");
  form->addWidget(createStepButton("courseImportButton", "1. Import BANA.DX",
                                   "Get the course from the DX file", DXStep::Courses),
                  1, 1);
  roundFileEdit = createPathRow(form, 2, "roundFileEdit", "&ROND.DX filename", dos + "ROND.DX");
  form->addWidget(createStepButton("playerImportButton", "2. Import Players from ROND.DX",
                                   "Get players from ROND.DX", DXStep::Players),
                  3, 1);
  form->addWidget(
      createStepButton("eventImportButton", "3. Import Events from ROND.DX", {}, DXStep::Events), 4,
      1);
  form->addWidget(createStepButton("roundImportButton", "4. Import ROND.DX",
                                   "Get all scores from the DX file, Get the courses and "
                                   "players first!",
                                   DXStep::Rounds),
                  5, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  for (const char* text :
       {"After importing 1, 2, 3 you will edit the textfile which will be loaded after each "
        "import",
        "Give the imported files short ID:s  Don't edit the aliases.", "The import might be slow!"})
    column->addWidget(new QLabel(text));
  statusPanel = new StatusPanel;
  column->addWidget(statusPanel);
}

QLineEdit* ImportWindow::createPathRow(QGridLayout* form, int row, const char* name,
                                       const QString& label, const QString& file) {
  auto* field = new QLineEdit(file);
  field->setObjectName(name);
  field->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
  auto* caption = new QLabel(label);
  caption->setBuddy(field);
  auto* browse = new QPushButton("...");
  browse->setObjectName(QString(name) + "Pick");
  browse->setAutoDefault(false);
  browse->setToolTip("Pick the file");
  form->addWidget(caption, row, 0);
  form->addWidget(field, row, 1);
  form->addWidget(browse, row, 2);
  connect(browse, &QPushButton::clicked, this, [this, field] { pickFile(field); });
  return field;
}

QPushButton* ImportWindow::createStepButton(const char* name, const QString& caption,
                                            const QString& hint, DXStep step) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, step] { runStep(step); });
  return button;
}

void ImportWindow::pickFile(QLineEdit* field) {
  const QString file = Prompts().openFileName(this, "Open", QFileInfo(field->text()).path(),
                                              "DX files (*.DX *.dx);;All files (*)");
  if (!file.isEmpty()) field->setText(file);
}

void ImportWindow::runStep(DXStep step) {
  const QString path = step == DXStep::Courses ? courseFileEdit->text() : roundFileEdit->text();
  if (!FileExists(pathBytes(path))) {
    Prompts().showError(this, kTitle, toQString(DXFileNotFoundText(pathBytes(path))));
    return;
  }
  DXImportReport report;
  {
    // The step reloads the lists under the editors.
    const EditorsListChange change;
    if (!change.isReady()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusPanel->makeCurrent();
    report = ImportDXStep(step, pathBytes(path), ProcessDatabase(), Settings());
    QApplication::restoreOverrideCursor();
  }
  showOutcome(step, report);
}

// One box for everything that went wrong; then the data file written, in the text editor.
void ImportWindow::showOutcome(DXStep step, const DXImportReport& report) {
  QStringList lines;
  if (!report.Outcome) lines << toQString(report.Outcome.message());
  for (const std::string& message : report.Messages())
    lines << toQString(message);
  if (!lines.isEmpty()) {
    QString text = "Some records were not imported:\r\r" + lines.mid(0, kMaxListed).join('\r');
    if (lines.size() > kMaxListed)
      text += QString("\r... and %1 more.").arg(lines.size() - kMaxListed);
    Prompts().showError(this, kTitle, text);
  }
  if (step != DXStep::Rounds && FileExists(report.Target))
    Prompts().openDocument(pathText(report.Target));
}

}  // namespace cardwise::app
