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

QString PathText(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

TFimport::TFimport(QWidget* parent) : QDialog(parent) {
  setObjectName("TFimport");
  setWindowTitle("Import Data eXchange files from the DOS, CARDWS program");
  createWidgets();
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { OpenHelp("IMPORT"); });
}

// The DOS program's folder, copied into the home folder.
void TFimport::createWidgets() {
  auto* form = new QGridLayout;
  const QString dos = QDir::homePath() + "/CARDWS/";
  Ebanafname = createPathRow(form, 0, "Ebanafname", "&BANA.DX filename", dos + "BANA.DX");
  form->addWidget(createStepButton("Bbana", "1. Import BANA.DX", "Get the course from the DX file",
                                   DXStep::Courses),
                  1, 1);
  Erondfname = createPathRow(form, 2, "Erondfname", "&ROND.DX filename", dos + "ROND.DX");
  form->addWidget(createStepButton("Brondplayers", "2. Import Players from ROND.DX",
                                   "Get players from ROND.DX", DXStep::Players),
                  3, 1);
  form->addWidget(
      createStepButton("Brondevents", "3. Import Events from ROND.DX", {}, DXStep::Events), 4, 1);
  form->addWidget(createStepButton("Brond", "4. Import ROND.DX",
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
  Pstatus = new StatusPanel;
  column->addWidget(Pstatus);
}

QLineEdit* TFimport::createPathRow(QGridLayout* form, int row, const char* name,
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
  connect(browse, &QPushButton::clicked, this, [this, field] { PickFile(field); });
  return field;
}

QPushButton* TFimport::createStepButton(const char* name, const QString& caption,
                                        const QString& hint, DXStep step) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, step] { RunStep(step); });
  return button;
}

void TFimport::PickFile(QLineEdit* field) {
  const QString file = Prompts().OpenFileName(this, "Open", QFileInfo(field->text()).path(),
                                              "DX files (*.DX *.dx);;All files (*)");
  if (!file.isEmpty()) field->setText(file);
}

void TFimport::RunStep(DXStep step) {
  const QString path = step == DXStep::Courses ? Ebanafname->text() : Erondfname->text();
  if (!FileExists(PathBytes(path))) {
    Prompts().ShowError(this, kTitle, ToQString(DXFileNotFoundText(PathBytes(path))));
    return;
  }
  DXImportReport report;
  {
    // The step reloads the lists under the editors.
    const EditorsListChange change;
    if (!change.Ready()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Pstatus->MakeCurrent();
    report = ImportDXStep(step, PathBytes(path), ProcessDatabase(), Settings());
    QApplication::restoreOverrideCursor();
  }
  ShowOutcome(step, report);
}

// One box for everything that went wrong; then the data file written, in the text editor.
void TFimport::ShowOutcome(DXStep step, const DXImportReport& report) {
  QStringList lines;
  if (!report.Outcome) lines << ToQString(report.Outcome.message());
  for (const std::string& message : report.Messages())
    lines << ToQString(message);
  if (!lines.isEmpty()) {
    QString text = "Some records were not imported:\r\r" + lines.mid(0, kMaxListed).join('\r');
    if (lines.size() > kMaxListed)
      text += QString("\r... and %1 more.").arg(lines.size() - kMaxListed);
    Prompts().ShowError(this, kTitle, text);
  }
  if (step != DXStep::Rounds && FileExists(report.Target))
    Prompts().OpenDocument(PathText(report.Target));
}

}  // namespace cardwise::app
