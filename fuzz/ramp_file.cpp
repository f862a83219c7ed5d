// Ramp files (.rmp): read, then shown as `ramps show` shows them (table and chart).
#include "FuzzFile.h"
#include "ramps/Ramps.h"
#include "ui/PainterCanvas.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    norva::fuzz::StartGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto fields = norva::ReadRampFile(norva::fuzz::AsFile(data, size), error);
    if (!fields) return 0;
    std::string why;
    norva::RampFileLines(*fields, why);
    norva::RampWritePlan(*fields, why);
    const auto view = norva::Pinta(*fields);
    if (!view) return 0;
    norva::RampTable(*view);
    norva::ImageCanvas canvas(QSize(160, 120));
    norva::DrawRamps(canvas, *view);
    return 0;
}
