#pragma once
// Breaking a paragraph into lines of a given width, for texts a surface prints on paper (the
// pupil's worksheet): the widths come from the surface, so the lines fit whatever the font.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

// Lines no wider than `width` as `measure` gives widths, broken at blanks; a word wider than a
// line alone is broken between two characters (UTF-8: never inside one). With maxLines > 0, at
// most that many lines, the last one ended by "…" when text was left out. Runs of blanks count as
// one; an empty or blank text gives no line.
std::vector<std::string> WrapText(std::string_view text, double width,
                                  const std::function<double(const std::string&)>& measure, int maxLines = 0);

} // namespace ondivel
