#pragma once
// The programs' --help in a terminal's 80 columns: CLI11 2.1 prints descriptions as long as they
// are written. Descriptions go on below their name column, footer lines (the synopses) two
// blanks further in than they start.

#include <CLI/CLI.hpp>
#include <sstream>
#include <string>

namespace norva {

constexpr size_t kHelpWidth = 80;
constexpr size_t kHelpColumn = 30;  // where descriptions start: CLI11's own

// `line` broken at blanks into lines of at most `width` columns, each after the first indented
// by `hang` blanks. A word longer than a line stays whole.
inline std::string WrapLine(const std::string& line, size_t width, size_t hang) {
    std::string out;
    std::string rest = line;
    while (rest.size() > width) {
        const size_t indent = rest.find_first_not_of(' ');
        size_t cut = rest.rfind(' ', width);
        if (cut == std::string::npos || cut <= indent) cut = rest.find(' ', width);
        const size_t next = cut == std::string::npos ? cut : rest.find_first_not_of(' ', cut);
        if (next == std::string::npos) break;
        out += rest.substr(0, rest.find_last_not_of(' ', cut) + 1) + "\n";
        rest = std::string(hang, ' ') + rest.substr(next);
    }
    return out + rest;
}
inline std::string Wrap(const std::string& text, size_t width, size_t hang) {
    std::stringstream lines(text);
    std::string out;
    for (std::string line; std::getline(lines, line);)
        out += (out.empty() ? "" : "\n") + WrapLine(line, width, hang);
    return text.ends_with('\n') ? out + "\n" : out;
}

class HelpFormatter : public CLI::Formatter {
  public:
    std::string make_option_desc(const CLI::Option* option) const override {
        return Wrap(CLI::Formatter::make_option_desc(option), kHelpWidth - get_column_width(), 0);
    }
    std::string make_subcommand(const CLI::App* sub) const override {
        std::stringstream out;
        CLI::detail::format_help(out, sub->get_display_name(true),
                                 Wrap(sub->get_description(), kHelpWidth - get_column_width(), 0),
                                 get_column_width());
        return out.str();
    }
    std::string make_description(const CLI::App* app) const override {
        return Wrap(CLI::Formatter::make_description(app), kHelpWidth, 0);
    }
    std::string make_footer(const CLI::App* app) const override {
        std::stringstream lines(CLI::Formatter::make_footer(app));
        std::string out;
        for (std::string line; std::getline(lines, line);) {
            // A line in columns ("  2    no unit", "  norva serial  N") goes on under its second
            // column, any other two blanks in.
            const size_t start = line.find_first_not_of(' ');
            const size_t gap = start == std::string::npos ? start : line.find("  ", start);
            const size_t column = gap == std::string::npos ? gap : line.find_first_not_of(' ', gap);
            out +=
                WrapLine(line, kHelpWidth, column == std::string::npos ? start + 2 : column) + "\n";
        }
        return out;
    }
    // The program's commands are listed once, each with its synopsis, in its footer.
    std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode mode) const override {
        return app->get_parent() ? CLI::Formatter::make_subcommands(app, mode) : "";
    }
};

}  // namespace norva
