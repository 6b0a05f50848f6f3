#pragma once
// Captions of the classic toolkit mark their access key with "&"; labels show it plainly.
#include <QString>
#include <string>

namespace ondivel {

QString captionWithoutAccessKey(const std::string& caption);

} // namespace ondivel
