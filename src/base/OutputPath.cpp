#include "base/OutputPath.h"

#include <sys/stat.h>
#include <unistd.h>

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
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return fail("is a folder");
        if (::access(path.c_str(), W_OK) != 0) return fail("no permission to write it");
        return true;
    }
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    if (::stat(folder.c_str(), &st) != 0) return fail("its folder does not exist");
    if (!S_ISDIR(st.st_mode)) return fail("its folder is not a folder");
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return fail("no permission to write in its folder");
    return true;
}

}  // namespace norva
