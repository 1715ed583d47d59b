#include "app/prompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/help.h"

namespace cardwise::app {

namespace {
// The system's texts break their lines with carriage returns; Qt's boxes want line feeds.
QString Lines(const QString& text) {
  QString lines = text;
  return lines.replace('\r', '\n');
}

std::unique_ptr<Prompter>& Current() {
  static std::unique_ptr<Prompter> prompter = std::make_unique<Prompter>();
  return prompter;
}
}  // namespace

bool Prompter::askYesNo(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::question(parent, title, Lines(text), QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

EditChoice Prompter::askSaveDiscard(QWidget* parent, const QString& title, const QString& text) {
  switch (QMessageBox::question(parent, title, Lines(text),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                QMessageBox::Cancel)) {
    case QMessageBox::Save:
      return EditChoice::Save;
    case QMessageBox::Discard:
      return EditChoice::Discard;
    default:
      return EditChoice::Cancel;
  }
}

void Prompter::showError(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::critical(parent, title, Lines(text), QMessageBox::Ok);
}

void Prompter::showInfo(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, Lines(text), QMessageBox::Ok);
}

void Prompter::showInfoWithHelp(QWidget* parent, const QString& title, const QString& text,
                                const QString& topic) {
  if (QMessageBox::information(parent, title, Lines(text), QMessageBox::Ok | QMessageBox::Help) ==
      QMessageBox::Help)
    openHelp(topic);
}

bool Prompter::showInfoWithAction(QWidget* parent, const QString& title, const QString& text,
                                  const QString& action) {
  QMessageBox box(QMessageBox::Information, title, Lines(text), QMessageBox::Ok, parent);
  const QAbstractButton* chosen = box.addButton(action, QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == chosen;
}

bool Prompter::askText(QWidget* parent, const QString& title, const QString& prompt,
                       QString& text) {
  bool ok = false;
  const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
  if (ok) text = answer;
  return ok;
}

void Prompter::openDocument(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString Prompter::openFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString Prompter::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

Prompter& Prompts() {
  return *Current();
}

std::unique_ptr<Prompter> setPrompter(std::unique_ptr<Prompter> prompter) {
  std::swap(Current(), prompter);
  return prompter;
}

void openHelp(const QString& topic) {
  const QString page = helpPagePath(topic);
  if (page.isEmpty()) {
    Prompts().showError(nullptr, "Help",
                        "The help pages are not installed (share/doc/cardwise/help beside "
                        "the program's folder).");
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
    Prompts().showError(nullptr, "Help", "No web browser could open " + page);
}

}  // namespace cardwise::app
