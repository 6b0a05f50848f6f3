#include "ui/platform/terminal_input.h"

#include <csignal>
#include <cstdio>
#include <iostream>

#ifndef _WIN32
#include <termios.h>
#include <unistd.h>
#endif

namespace ondivel {

#ifndef _WIN32
namespace {

struct termios savedMode {};

// Ctrl+C while the echo is off must not leave the terminal mute.
extern "C" void restoreAndDie(int signal) {
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedMode);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace
#endif

std::optional<std::string> readHiddenLine(const std::string& prompt) {
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    std::string line;
    bool got = false;
#ifndef _WIN32
    if (::isatty(STDIN_FILENO) && ::tcgetattr(STDIN_FILENO, &savedMode) == 0) {
        struct termios quiet = savedMode;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL; // the Enter key still moves to the next line
        auto* const oldInt = std::signal(SIGINT, restoreAndDie);
        auto* const oldTerm = std::signal(SIGTERM, restoreAndDie);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        got = static_cast<bool>(std::getline(std::cin, line));
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedMode);
        std::signal(SIGINT, oldInt);
        std::signal(SIGTERM, oldTerm);
        if (!got) std::fputc('\n', stderr);
    } else
#endif
    {
        got = static_cast<bool>(std::getline(std::cin, line));
        std::fputc('\n', stderr); // what follows starts on its own line, as after Enter
    }
    if (!got) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

} // namespace ondivel
