// Run-log exports through the engine logbook, as `logbook import` takes them: read with their
// trailer, added to a logbook of this process's own (a file seen before is recognised), and the
// engine's runs, health and totals read back.
#include "FuzzFile.h"
#include "logbook/Logbook.h"

namespace {

norva::Logbook& Book() {
    static const std::string path = norva::fuzz::ScratchPath() + ".sqlite";
    static const bool removedAtExit =
        std::atexit([] {
            for (const char* end : {"", "-wal", "-shm"})
                std::remove((norva::fuzz::ScratchPath() + ".sqlite" + end).c_str());
        }) == 0;
    (void)removedAtExit;
    static norva::Logbook book(QString::fromStdString(path));
    return book;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norva::fuzz::StartGui();
    if (!Book().isOpen()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = norva::fuzz::AsFile(data, size);
    std::string error;
    const auto file = norva::ReadLogbookExport(path, error);
    if (!file) return 0;
    norva::Logbook& book = Book();
    auto engine = book.engineFor(file->identity);
    if (!engine) engine = book.engineNamed(QStringLiteral("Fuzzed"));
    if (!engine) engine = book.addEngine(QStringLiteral("Fuzzed"), file->identity);
    if (!engine) std::abort();
    book.import(*file, engine->id);
    book.life(engine->id);
    return 0;
}
