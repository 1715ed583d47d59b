#pragma once
// Small charts drawn as inline SVG: a line of points over time and a row of bars from a base
// line. The picture scales with the page (a viewBox and a relative width, no pixel size), says
// in words what it shows (role="img" with a <title> and a <desc>), and gives each point or bar
// a <title> of its own, which a pointer or a screen reader reads out. No script, no outside
// file: the page carries everything.

#include <string>
#include <vector>

namespace cardwise {

// A value axis with round steps: ticks at Min, Min + Step, ..., Max.
struct ChartAxis {
  double Min = 0, Max = 1, Step = 1;
  std::vector<double> Ticks() const;
};

// The axis for values from `low` to `high`: steps of 1, 2 or 5 times a power of ten, at most
// `maxTicks` ticks, the ends on whole steps around the values. A single value (low == high)
// gets one step each side; `includeZero` stretches the axis to 0 (bars grow from it).
ChartAxis NiceAxis(double low, double high, int maxTicks = 6, bool includeZero = false);

// What every chart says of itself.
struct ChartText {
  std::string Title;        // short, as a caption
  std::string Description;  // in words: what is shown, from what to what
  std::string Id;           // unique on its page: the title and desc are found by it
};

struct ChartColors {
  std::string Line = "#000088";  // lines, points and the axis labels' ink
  std::string Up = "#8888ff";    // bars above the base
  std::string Down = "#ffaaaa";  // bars below it
  std::string Marked = "#ff5555";
};

// A point of a line chart: X is a day number (or any ordered value), Y its value.
struct ChartPoint {
  double X = 0, Y = 0;
  std::string Tip;  // the point's own title
};

// The ticks under the X axis, each at its value with its text.
struct ChartLabel {
  double At = 0;
  std::string Text;
};

struct LineChart {
  ChartText Text;
  std::vector<ChartPoint> Points;  // in order of X
  std::vector<ChartLabel> XLabels;
  ChartAxis YAxis;
  std::string (*YText)(double) = nullptr;  // a tick's text; nullptr: the number as it is
};

struct ChartBar {
  double Value = 0;
  std::string Label;    // under the bar; a "\n" starts a second line
  std::string Tip;      // the bar's own title; empty: no bar, only its label (an empty bin)
  bool Marked = false;  // drawn in the marked colour (a winner)
};

struct BarChart {
  ChartText Text;
  std::vector<ChartBar> Bars;
  ChartAxis YAxis;
  double Base = 0;                         // bars grow up or down from here
  std::string XCaption;                    // left of the bar labels, what they are ("Hole")
  std::string (*YText)(double) = nullptr;  // a tick's text; nullptr: the number as it is
};

// The lines of the SVG element, ready for the page.
std::vector<std::string> LineChartSvg(const LineChart& chart, const ChartColors& colors);
std::vector<std::string> BarChartSvg(const BarChart& chart, const ChartColors& colors);

// A number as an axis shows it: no trailing zeros, one decimal at most ("2", "-1.5").
std::string AxisNumber(double value);
// Text for an SVG text node or attribute (the page's own escaping).
std::string SvgEscape(const std::string& text);

}  // namespace cardwise
