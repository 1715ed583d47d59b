#pragma once
// Every question and message box of the app, and every file it hands to another program, goes
// through one Prompter, so that tests can answer them. The default shows real message and file
// dialogs.

#include <QString>
#include <QWidget>
#include <memory>

namespace cardwise::app {

// The answers to a question about an edit that is not saved yet.
enum class EditChoice { Save, Discard, Cancel };

class Prompter {
 public:
  virtual ~Prompter() = default;
  // A confirmation with Yes and No; true for Yes.
  virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text);
  // Save, Discard and Cancel (the default: Escape and closing the box cancel too).
  virtual EditChoice askSaveDiscard(QWidget* parent, const QString& title, const QString& text);
  // An error box with one OK button.
  virtual void showError(QWidget* parent, const QString& title, const QString& text);
  // An information box with one OK button.
  virtual void showInfo(QWidget* parent, const QString& title, const QString& text);
  // An information box with OK and Help; Help opens the help page of `topic`.
  virtual void showInfoWithHelp(QWidget* parent, const QString& title, const QString& text,
                                const QString& topic);
  // An information box with OK and one more button, `action` ("Open site"); true when the user
  // chose that button.
  virtual bool showInfoWithAction(QWidget* parent, const QString& title, const QString& text,
                                  const QString& action);
  // An input box with one line of text; false when the user cancels (`text` is then unchanged).
  virtual bool askText(QWidget* parent, const QString& title, const QString& prompt, QString& text);
  // Opens a file in the desktop's program for it (a text file in the text editor).
  virtual void openDocument(const QString& path);
  // File dialogs; an empty text when the user cancels.
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter);
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter);
};

// The prompter in use; tests install their own and get the previous one back.
Prompter& Prompts();
std::unique_ptr<Prompter> setPrompter(std::unique_ptr<Prompter> prompter);

// Opens the help page of the topic (help.h) in the web browser; an error box says why when
// the pages are not installed or no browser could open them.
void openHelp(const QString& topic);

}  // namespace cardwise::app
