#include "app/about_window.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include "app/button_images.h"
#include "app/help.h"
#include "app/qt_text.h"
#include "records/process_info.h"

namespace cardwise::app {

namespace {

const char kDiskDesignText[] = "Free disk space";

struct MemoryFigures {
  unsigned long long Total = 0, Available = 0;  // bytes
  int LoadPercent = 0;
};

// Memory in use, as the share of physical memory that is neither free nor buffers.
bool readMemory(MemoryFigures& figures) {
  struct sysinfo info {};
  if (sysinfo(&info) != 0 || info.totalram == 0) return false;
  const unsigned long long unit = info.mem_unit ? info.mem_unit : 1;
  figures.Total = info.totalram * unit;
  figures.Available = (info.freeram + info.bufferram) * unit;
  figures.LoadPercent = static_cast<int>(100 - figures.Available * 100 / figures.Total);
  return true;
}

QString megaBytes(unsigned long long bytes) {
  return QString::number(bytes >> 20);
}

// Free space on the file system that holds the program.
QString diskText() {
  struct statvfs fs {};
  const std::string dir = Process().ProgramDir.empty() ? "/" : Process().ProgramDir;
  if (statvfs(dir.c_str(), &fs) != 0) return kDiskDesignText;
  const unsigned long long freeBytes =
      static_cast<unsigned long long>(fs.f_bavail) * static_cast<unsigned long long>(fs.f_frsize);
  return QString(kDiskDesignText) + ": " + QString::number(freeBytes / 1024) + " kB";
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutWindow");
  setWindowTitle("About");
  setWindowIcon(mainImage(0));
  createWidgets();
}

QLabel* AboutWindow::addLabel(const char* name, const QString& text) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  return label;
}

void AboutWindow::createWidgets() {
  programName_ = addLabel("programNameLabel");
  QFont bold = programName_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.4);
  programName_->setFont(bold);
  version_ = addLabel("versionLabel");
  memLoad_ = addLabel("memoryLoadLabel");
  mem_ = addLabel("memoryLabel");
  disk_ = addLabel("diskLabel", kDiskDesignText);
  info_ = addLabel("infoLabel");
  www_ = addLabel("webLabel");
  www_->setCursor(Qt::PointingHandCursor);
  connect(www_, &QLabel::linkActivated, this, [this] { openHomePage(); });

  auto* icon = new QLabel(this);
  icon->setPixmap(mainImage(0).pixmap(50, 54));
  auto* names = new QVBoxLayout;
  names->addWidget(programName_);
  names->addWidget(version_);
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addLayout(names, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  for (QLabel* label : {memLoad_, mem_, disk_, info_, www_})
    layout->addWidget(label);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::showEvent(QShowEvent* event) {
  showFigures();
  QDialog::showEvent(event);
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
}

void AboutWindow::showFigures() {
  programName_->setText(toQString(Process().ProductName));
  version_->setText(toQString(Process().VersionText));
  info_->clear();
  MemoryFigures memory;
  if (readMemory(memory)) {
    memLoad_->setText("Memory load: " + QString::number(memory.LoadPercent) + "%");
    mem_->setText("Available memory: " + megaBytes(memory.Available) + " MB (" +
                  megaBytes(memory.Total) + " MB)");
  }
  disk_->setText(diskText());
  const QString url = homePageUrl();
  www_->setText("<a href=\"" + url.toHtmlEscaped() + "\">" + url.toHtmlEscaped() + "</a>");
}

void AboutWindow::openHomePage() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  QDesktopServices::openUrl(QUrl(homePageUrl()));
  QApplication::restoreOverrideCursor();
}

}  // namespace cardwise::app
