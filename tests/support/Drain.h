#pragma once
// What a command wrote to a temporary stream; the stream is closed afterwards.
#include <cstdio>
#include <string>

namespace norva::testing {

inline std::string Drain(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, file)) > 0) text.append(buf, n);
    std::fclose(file);
    return text;
}

}  // namespace norva::testing
