#include "web/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "web/site.h"

namespace cardwise {

namespace {

// The drawing's own units: the page scales them to its width.
constexpr double kWidth = 400, kHeight = 220;
constexpr double kLeft = 44, kRight = 8, kTop = 10, kBottom = 38;
constexpr double kPlotWidth = kWidth - kLeft - kRight, kPlotHeight = kHeight - kTop - kBottom;
constexpr const char* kInk = "#222222";  // dark on the page's light background
constexpr const char* kGrid = "#bbbbbb";

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string result = text;
  if (result.ends_with(".0")) result.resize(result.size() - 2);
  return result == "-0" ? "0" : result;
}

std::string Attribute(const char* name, double value) {
  return std::string(" ") + name + "=\"" + Number(value) + "\"";
}

// Where a value of the axis lies on the drawing, from the bottom of the plot up.
double YOf(const ChartAxis& axis, double value) {
  const double span = axis.Max - axis.Min;
  return kTop + kPlotHeight - (span <= 0 ? 0 : (value - axis.Min) / span * kPlotHeight);
}

std::string TickText(std::string (*text)(double), double value) {
  return text ? text(value) : AxisNumber(value);
}

void OpenSvg(std::vector<std::string>& lines, const ChartText& text) {
  lines.push_back("<svg class=\"chart\" role=\"img\" aria-labelledby=\"" + text.Id + "-title " +
                  text.Id + "-desc\" viewBox=\"0 0 " + Number(kWidth) + " " + Number(kHeight) +
                  "\" width=\"100%\" style=\"max-width:40em\" font-family=\"sans-serif\">");
  lines.push_back("<title id=\"" + text.Id + "-title\">" + SvgEscape(text.Title) + "</title>");
  lines.push_back("<desc id=\"" + text.Id + "-desc\">" + SvgEscape(text.Description) + "</desc>");
}

// The value axis: a grid line and a label at each tick.
void WriteYAxis(std::vector<std::string>& lines, const ChartAxis& axis,
                std::string (*text)(double)) {
  lines.push_back("<g font-size=\"11\" fill=\"" + std::string(kInk) + "\" text-anchor=\"end\">");
  for (const double tick : axis.Ticks()) {
    const double y = YOf(axis, tick);
    lines.push_back("<line" + Attribute("x1", kLeft) + Attribute("y1", y) +
                    Attribute("x2", kWidth - kRight) + Attribute("y2", y) + " stroke=\"" + kGrid +
                    "\" stroke-width=\"0.5\"/>");
    lines.push_back("<text" + Attribute("x", kLeft - 4) + Attribute("y", y + 4) + ">" +
                    SvgEscape(TickText(text, tick)) + "</text>");
  }
  lines.push_back("</g>");
}

// A label under the plot at `x`: one text line per "\n"-separated part.
std::string XLabel(double x, const std::string& label, int fontSize) {
  // A label at an end of the plot stays inside the drawing.
  const char* anchor = x < kLeft                  ? " text-anchor=\"end\""
                       : x <= kLeft + 1           ? " text-anchor=\"start\""
                       : x >= kWidth - kRight - 1 ? " text-anchor=\"end\""
                                                  : "";
  std::string line = "<text" + Attribute("x", x) + Attribute("y", kHeight - kBottom + 14) +
                     " font-size=\"" + std::to_string(fontSize) + "\"" + anchor + ">";
  std::size_t start = 0;
  for (bool first = true; start <= label.size(); first = false) {
    const std::size_t end = std::min(label.find('\n', start), label.size());
    line += "<tspan" + Attribute("x", x) + (first ? "" : " dy=\"12\"") + ">" +
            SvgEscape(label.substr(start, end - start)) + "</tspan>";
    start = end + 1;
  }
  return line + "</text>";
}

double NiceStep(double span, int maxTicks) {
  const double rough = span / std::max(1, maxTicks - 1);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0, 10.0})
    if (factor * power >= rough - 1e-9) return factor * power;
  return 10 * power;
}

}  // namespace

std::vector<double> ChartAxis::Ticks() const {
  std::vector<double> ticks;
  if (Step <= 0) return ticks;
  for (int i = 0; Min + i * Step <= Max + Step * 1e-6; ++i)
    ticks.push_back(Min + i * Step);
  return ticks;
}

ChartAxis NiceAxis(double low, double high, int maxTicks, bool includeZero) {
  if (includeZero) low = std::min(low, 0.0), high = std::max(high, 0.0);
  if (high < low) std::swap(low, high);
  if (high - low < 1e-9) low -= 1, high += 1;
  for (double step = NiceStep(high - low, maxTicks);; step *= 2) {
    const ChartAxis axis{std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step,
                         step};
    if (static_cast<int>(axis.Ticks().size()) <= maxTicks) return axis;
  }
}

std::string AxisNumber(double value) {
  return Number(value);
}

std::string SvgEscape(const std::string& text) {
  return HtmlEscape(text);
}

std::vector<std::string> LineChartSvg(const LineChart& chart, const ChartColors& colors) {
  std::vector<std::string> lines;
  OpenSvg(lines, chart.Text);
  WriteYAxis(lines, chart.YAxis, chart.YText);
  const double first = chart.Points.empty() ? 0 : chart.Points.front().X;
  const double span = chart.Points.empty() ? 0 : chart.Points.back().X - first;
  const auto xOf = [&](double x) {
    return span <= 0 ? kLeft + kPlotWidth / 2 : kLeft + (x - first) / span * kPlotWidth;
  };
  lines.push_back("<g fill=\"" + std::string(kInk) + "\" text-anchor=\"middle\">");
  for (const ChartLabel& label : chart.XLabels)
    lines.push_back(XLabel(xOf(label.At), label.Text, 11));
  lines.push_back("</g>");
  std::string path;
  for (const ChartPoint& point : chart.Points)
    path +=
        (path.empty() ? "" : " ") + Number(xOf(point.X)) + "," + Number(YOf(chart.YAxis, point.Y));
  lines.push_back("<polyline points=\"" + path + "\" fill=\"none\" stroke=\"" + colors.Line +
                  "\" stroke-width=\"2\"/>");
  for (const ChartPoint& point : chart.Points)
    lines.push_back("<circle" + Attribute("cx", xOf(point.X)) +
                    Attribute("cy", YOf(chart.YAxis, point.Y)) + " r=\"3.5\" fill=\"" +
                    colors.Line + "\"><title>" + SvgEscape(point.Tip) + "</title></circle>");
  lines.push_back("</svg>");
  return lines;
}

std::vector<std::string> BarChartSvg(const BarChart& chart, const ChartColors& colors) {
  std::vector<std::string> lines;
  OpenSvg(lines, chart.Text);
  WriteYAxis(lines, chart.YAxis, chart.YText);
  const double slot = kPlotWidth / static_cast<double>(std::max<std::size_t>(1, chart.Bars.size()));
  const int fontSize = chart.Bars.size() > 20 ? 7 : chart.Bars.size() > 12 ? 8 : 10;
  const double base = YOf(chart.YAxis, chart.Base);
  for (std::size_t i = 0; i < chart.Bars.size(); ++i) {
    const ChartBar& bar = chart.Bars[i];
    if (bar.Tip.empty()) continue;
    const double top = std::min(base, YOf(chart.YAxis, bar.Value));
    const double height = std::abs(YOf(chart.YAxis, bar.Value) - base);
    const std::string& fill =
        bar.Marked ? colors.Marked : (bar.Value >= chart.Base ? colors.Up : colors.Down);
    lines.push_back("<rect" + Attribute("x", kLeft + slot * (i + 0.15)) + Attribute("y", top) +
                    Attribute("width", slot * 0.7) + Attribute("height", std::max(height, 1.0)) +
                    " fill=\"" + fill + "\" stroke=\"" + colors.Line +
                    "\" stroke-width=\"0.5\"><title>" + SvgEscape(bar.Tip) + "</title></rect>");
  }
  lines.push_back("<line" + Attribute("x1", kLeft) + Attribute("y1", base) +
                  Attribute("x2", kWidth - kRight) + Attribute("y2", base) + " stroke=\"" + kInk +
                  "\" stroke-width=\"1.5\"/>");
  lines.push_back("<g fill=\"" + std::string(kInk) + "\" text-anchor=\"middle\">");
  if (!chart.XCaption.empty()) lines.push_back(XLabel(kLeft - 4, chart.XCaption, fontSize));
  for (std::size_t i = 0; i < chart.Bars.size(); ++i)
    if (!chart.Bars[i].Label.empty())
      lines.push_back(XLabel(kLeft + slot * (i + 0.5), chart.Bars[i].Label, fontSize));
  lines.push_back("</g>");
  lines.push_back("</svg>");
  return lines;
}

}  // namespace cardwise
