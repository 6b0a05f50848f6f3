#include "files/version_notice.h"

#include "core/format.h"

namespace ondivel {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

double withoutDots(std::string_view version) {
    std::string digits(version);
    Remplacer(digits, ".", "");
    return Val(digits);
}

} // namespace

std::string RemoteVersionFromFile(std::string_view content) {
    std::string text;
    for (char c : content)
        if (c != '\r' && c != '\n') text += c;
    const std::size_t eq = text.find('=');
    return std::string(
        trim(eq == std::string::npos ? std::string_view(text) : std::string_view(text).substr(eq + 1)));
}

bool IsNewerVersion(std::string_view remote, std::string_view local) {
    return withoutDots(local) < withoutDots(remote);
}

std::optional<std::string> NewVersionNotice(std::string_view remote, std::string_view local,
                                            std::string_view webSite) {
    if (!IsNewerVersion(remote, local)) return std::nullopt;
    return "La version " + std::string(remote) + " de Ondivel est téléchargeable gratuitement sur : \r\n" +
           std::string(webSite);
}

} // namespace ondivel
