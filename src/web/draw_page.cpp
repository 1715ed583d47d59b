// The draw page: who plays with whom, when and from which tee.

#include <string>
#include <string_view>

#include "results/draw_sheet.h"
#include "web/pages.h"

namespace cardwise {
namespace {

// The groups alternate between the two row colours, so that a group reads as one block.
std::string RowStart(const AppSettings& settings, int group) {
  if (group % 2 == 1) return "<TR>";
  return "<TR" + CellColor(settings.Color(ColorKey::Total)) + ">";
}

std::string Heading(const Page& page) {
  return "<TR" + CellColor(page.ColorText(ColorKey::Green)) + "><TH>Time<TH>Tee<TH>Group<TD>" +
         page.CaptionText(Caption::Player) + "<TD>" + page.CaptionText(Caption::Hcp) +
         "<TD>Strokes";
}

}  // namespace

void WriteDrawPage(Page& page, std::string_view eventID) {
  const WebContext& context = page.Context();
  if (const Event* event = context.Data.Events.FindRecord(eventID)) {
    page.Line("<H1>Draw " + HtmlEscape(event->Name) + " / " + ShortDateText(event->Date) + "</H1>");
    page.Line("<P>" + EventAnchor(context, event));
    page.Line("<!-- Table with the draw -->");
    page.Line(kTableStart);
    page.Line(Heading(page));
    for (const DrawRow& row : DrawRows(*event, context.Data))
      page.Line(RowStart(context.Settings, row.Group) + "<TH>" + row.Time + "<TH>" + row.Tee +
                "<TH>" + std::to_string(row.Group) + "<TD>" +
                PlayerAnchorOrID(context, row.PlayerID) + "<TD align=center>" + row.Hcp +
                "<TD align=center>" + row.Strokes);
    page.Line("</TABLE>");
  }
  page.WriteLinksBar();
}

}  // namespace cardwise
