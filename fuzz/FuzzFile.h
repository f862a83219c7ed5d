#pragma once
// What every file reader's fuzz target shares: the input as a real file, since the readers
// take a path and their checks on the file itself (regular, not too large) are part of what is
// fuzzed, and the Qt application the drawing code needs.

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace norva::fuzz {

// This process's scratch file, removed when it ends.
inline const std::string& ScratchPath() {
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp") + "/norva-fuzz-" +
               std::to_string(QCoreApplication::applicationPid());
    }();
    // Registered after the path, so that it runs before the path is destroyed.
    static const bool removedAtExit = std::atexit([] { std::remove(ScratchPath().c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

// The scratch file's path, the file holding exactly `size` bytes of `data`.
inline const std::string& AsFile(const uint8_t* data, size_t size) {
    const std::string& path = ScratchPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    return path;
}

// Fonts and images need a GUI application, never a display.
inline void StartGui() {
    static int argc = 1;
    static char name[] = "norva-fuzz";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Destroyed at exit, which lets the font system free what it holds.
    static QGuiApplication app(argc, argv);
    // The font system's caches are filled once, before the first input: what it keeps would
    // otherwise count as that input's leak.
    QImage image(64, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    for (bool bold : {false, true}) {
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9, bold ? QFont::Bold : -1));
        painter.drawText(0, 20, QStringLiteral("0.5 Cycle \u00BA"));
    }
}

}  // namespace norva::fuzz
