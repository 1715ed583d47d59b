#pragma once
// Colour texts and colour values. A colour value holds red in its lowest byte, then green, then
// blue (0x00BBGGRR); a colour text is an HTML colour such as "#ff5555" or "ff5555".

#include <cstdint>
#include <string>
#include <string_view>

namespace cardwise {

using ColorValue = std::uint32_t;

// Upper-cases the text, drops every character that is not a hexadecimal digit and reads the
// first six digits left as RRGGBB; missing digits count as 0.
ColorValue HtmlToColor(std::string_view text);

// Six lower-case hexadecimal digits rrggbb, no "#".
std::string ColorToHtml(ColorValue value);

// The relative luminance of a colour as the web's accessibility guidelines define it: 0 for
// black to 1 for white.
double RelativeLuminance(ColorValue color);
// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(ColorValue first, ColorValue second);
// The text colour for a background: black or white, whichever contrasts more with it. The
// ratio is at least 4.58:1 for any background (the worst is a mid grey).
ColorValue TextColorOn(ColorValue background);

}  // namespace cardwise
