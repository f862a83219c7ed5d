#include "base/OutputPath.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace norva {

bool CheckOutputPath(const std::string& path, std::string& error) {
    const auto fail = [&](const char* why) {
        error = path + ": " + QCoreApplication::translate("Files", why).toStdString();
        return false;
    };
    if (path.empty()) {
        error = QCoreApplication::translate("Files", "an output file needs a name").toStdString();
        return false;
    }
    // QFileInfo follows links and asks the system whether this account may write.
    const QFileInfo file(QFile::decodeName(path.c_str()));
    if (file.exists()) {
        if (file.isDir()) return fail(QT_TRANSLATE_NOOP("Files", "is a folder"));
        if (!file.isWritable())
            return fail(QT_TRANSLATE_NOOP("Files", "no permission to write it"));
        return true;
    }
    std::filesystem::path folderPath = std::filesystem::path(path).parent_path();
    if (folderPath.empty()) folderPath = ".";
    const QFileInfo folder(QFile::decodeName(folderPath.string().c_str()));
    if (!folder.exists()) return fail(QT_TRANSLATE_NOOP("Files", "its folder does not exist"));
    if (!folder.isDir()) return fail(QT_TRANSLATE_NOOP("Files", "its folder is not a folder"));
    if (!folder.isWritable() || !folder.isExecutable())
        return fail(QT_TRANSLATE_NOOP("Files", "no permission to write in its folder"));
    return true;
}

}  // namespace norva
