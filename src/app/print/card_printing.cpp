#include "app/print/card_printing.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

#include "app/print/card_painter.h"
#include "platform/files.h"

namespace cardwise {

Status WriteCardsPdf(const std::vector<Card>& cards, const std::string& paper,
                     const std::string& path) {
  // The PDF is made in memory, so that the file is replaced whole or not at all.
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(cardPageLayout(paper));
    writer.setTitle(QStringLiteral("Scorecards"));
    writer.setCreator(QStringLiteral("Cardwise"));
    QPainter painter(&writer);
    paintCards(painter, writer, cards);
  }
  const QByteArray& bytes = buffer.data();
  return WriteFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

Status WriteCardsPdfWithoutDisplay(const std::vector<Card>& cards, const std::string& paper,
                                   const std::string& path) {
  if (QCoreApplication::instance() != nullptr) return WriteCardsPdf(cards, paper, path);
  char name[] = "cardwise-cli", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  int argc = 3;
  // Qt's notes about the runtime folder and the like are no concern of a command's user.
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
          fprintf(stderr, "%s\n", qPrintable(message));
      });
  QGuiApplication application(argc, argv);
  const Status written = WriteCardsPdf(cards, paper, path);
  qInstallMessageHandler(previous);
  return written;
}

}  // namespace cardwise
