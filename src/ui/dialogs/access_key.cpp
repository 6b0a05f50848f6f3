#include "ui/dialogs/access_key.h"

#include "ui/widgets/bound_widget.h"

namespace ondivel {

QString captionWithoutAccessKey(const std::string& caption) {
    QString s = modelText(caption);
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == QLatin1Char('&')) {
            if (i + 1 < s.size() && s.at(i + 1) == QLatin1Char('&')) out += s.at(++i);
            continue;
        }
        out += s.at(i);
    }
    return out;
}

} // namespace ondivel
