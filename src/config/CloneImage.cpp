#include "config/CloneImage.h"

#include <QCoreApplication>

#include "base/NumberedLines.h"

namespace norva::params {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::CloneImage)
};
}  // namespace

std::optional<Image> ParseCloneText(std::string_view text, const std::string& name,
                                    std::string& error) {
    const auto values = ParseNumberLines(
        text, name,
        {kCloneLines, 0, 255,
         [](std::size_t i) {
             return Texts::tr("address %1").arg(kCloneFirstAddress + i).toStdString();
         }},
        error);
    if (!values) return std::nullopt;
    Image image{};
    for (int i = 0; i < kCloneLines; ++i)
        image[kCloneFirstAddress + i] = static_cast<uint8_t>((*values)[i]);
    return image;
}

std::optional<Image> ReadCloneFile(const std::string& path, std::string& error) {
    // Far more than 240 short lines; anything larger is not a clone file.
    constexpr std::size_t kMaxFileBytes = 64 * 1024;
    const auto text = ReadWholeFile(path, error, kMaxFileBytes);
    if (!text) return std::nullopt;
    return ParseCloneText(*text, path, error);
}

std::vector<std::string> CloneLines(std::span<const uint8_t> image) {
    std::vector<std::string> lines;
    for (int a = kCloneFirstAddress; a < kImageSize; ++a)
        lines.push_back(std::to_string(a < int(image.size()) ? image[a] : 0));
    return lines;
}

}  // namespace norva::params
