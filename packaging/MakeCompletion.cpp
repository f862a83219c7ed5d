// Writes the bash completion from the program's own table of commands, run by the build: the
// template's @COMMANDS@, @GLOBAL_OPTIONS@, @FILE_OPTIONS@, @FILE_EXTENSIONS@ and @VALUE_OPTIONS@
// become the commands, their options and arguments as the parser knows them, so the completion
// cannot offer what the program refuses. A file's name in the table gives the extension
// offered: "FILE.nvc" or "OUT.png".
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "cli/CommandLine.h"

namespace {

std::string Joined(const std::set<std::string>& words) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

// "nvc" of "FILE.nvc"; empty when the name has none.
std::string Extension(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

void Replace(std::string& text, const std::string& mark, const std::string& by) {
    const auto at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), by);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: norva-completion TEMPLATE OUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    std::string script = text.str();
    if (!in || script.empty()) {
        std::cerr << "norva-completion: cannot read " << argv[1] << "\n";
        return 1;
    }
    const norva::CommandShapes shapes = norva::CommandShapesOf();
    std::set<std::string> globals, files, values, extensions;
    const auto sort = [&](const norva::CommandShape::Value& option) {
        // The device has completions of its own.
        if (!option.takesValue || option.name == "--device") return;
        (option.names ? files : values).insert(option.name);
        const std::string ext = Extension(option.type);
        if (option.names && !ext.empty()) extensions.insert(option.name + "=" + ext);
    };
    for (const auto& option : shapes.globals) {
        globals.insert(option.name);
        sort(option);
    }
    // One line a command and choice: words | its own options | what its arguments are: "files",
    // "files:nvc|txt" (those and folders), or "engines" (the logbook's).
    std::string commands;
    for (const norva::CommandShape& command : shapes.commands) {
        std::set<std::string> own;
        for (const auto& option : command.options) {
            own.insert(option.name);
            sort(option);
        }
        bool takesFiles = false, anyFile = false, engines = false;
        std::set<std::string> choices, exts;
        for (const auto& argument : command.arguments) {
            takesFiles = takesFiles || argument.names;
            if (argument.names) {
                const std::string ext = Extension(argument.name);
                anyFile = anyFile || ext.empty();
                exts.insert(ext);
            }
            engines = engines || argument.name == "ENGINE";
            choices.insert(argument.choices.begin(), argument.choices.end());
        }
        std::string kind = engines ? " engines" : "";
        if (takesFiles) {
            kind = " files";
            if (!anyFile)
                for (const std::string& ext : exts) kind += (kind == " files" ? ":" : "|") + ext;
        }
        if (choices.empty()) choices.insert("");
        for (const std::string& choice : choices) {
            commands += "    \"" + command.words + (choice.empty() ? "" : " " + choice) + " | " +
                        Joined(own) + " |" + kind + "\"\n";
        }
    }
    Replace(script, "@COMMANDS@\n", commands);
    Replace(script, "@GLOBAL_OPTIONS@", Joined(globals));
    Replace(script, "@FILE_OPTIONS@", Joined(files));
    Replace(script, "@VALUE_OPTIONS@", Joined(values));
    Replace(script, "@FILE_EXTENSIONS@", Joined(extensions));
    std::ofstream out(argv[2], std::ios::binary);
    out << script;
    out.close();
    if (!out) {
        std::cerr << "norva-completion: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
