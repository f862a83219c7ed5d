// Parameter files (.nrv).
#include "FuzzFile.h"
#include "config/ParameterFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    norva::ReadParameterFile(norva::fuzz::AsFile(data, size), error);
    return 0;
}
