#include "app/RampsShow.h"

#include <QImage>

#include "ramps/Ramps.h"
#include "ui/PainterCanvas.h"

namespace norva {

namespace {
// Three pixels for every pixel of the editor's chart (2796 x 1332 twips).
const QSize kPictureSize(559, 266);
}  // namespace

int ShowRampFile(const std::string& path, const std::string& png, std::FILE* out, std::FILE* err) {
    std::string error;
    const auto fields = ReadRampFile(path, error);
    int bad = 0;
    const auto view = fields ? Pinta(*fields, &bad) : std::nullopt;
    if (fields && !view)
        error = path + ": " + RampFieldName(bad).toStdString() + " is not a number";
    if (!view) {
        std::fprintf(err, "norva: %s\n", error.c_str());
        return 3;
    }
    const std::string table = RampTable(*view);
    std::fwrite(table.data(), 1, table.size(), out);
    if (png.empty()) return 0;
    ImageCanvas canvas(kPictureSize);
    canvas.setBackColor(Qt::white);
    DrawRamps(canvas, *view);
    if (!canvas.image().save(QString::fromStdString(png), "PNG")) {
        std::fprintf(err, "norva: cannot write the picture %s\n", png.c_str());
        return 1;
    }
    return 0;
}

}  // namespace norva
