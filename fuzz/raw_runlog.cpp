// Raw run logs (one byte a line), converted and exported as `runlog convert` does.
#include <QDateTime>

#include "FuzzFile.h"
#include "runlog/RunLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto raw = norva::ReadRawLog(norva::fuzz::AsFile(data, size), error);
    if (!raw) return 0;
    std::string why;
    if (const auto lines = norva::ConvertRunLog(*raw, &why))
        norva::ExportLines(*lines, QDateTime(), nullptr);
    return 0;
}
