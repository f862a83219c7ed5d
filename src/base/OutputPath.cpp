#include "base/OutputPath.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace norva {

bool CheckOutputPath(const std::string& path, std::string& error) {
    const auto fail = [&](const char* why) {
        error = path + ": " + why;
        return false;
    };
    if (path.empty()) {
        error = "an output file needs a name";
        return false;
    }
    // QFileInfo follows links and asks the system whether this account may write.
    const QFileInfo file(QFile::decodeName(path.c_str()));
    if (file.exists()) {
        if (file.isDir()) return fail("is a folder");
        if (!file.isWritable()) return fail("no permission to write it");
        return true;
    }
    std::filesystem::path folderPath = std::filesystem::path(path).parent_path();
    if (folderPath.empty()) folderPath = ".";
    const QFileInfo folder(QFile::decodeName(folderPath.string().c_str()));
    if (!folder.exists()) return fail("its folder does not exist");
    if (!folder.isDir()) return fail("its folder is not a folder");
    if (!folder.isWritable() || !folder.isExecutable())
        return fail("no permission to write in its folder");
    return true;
}

}  // namespace norva
