// Clone files: read, summarised as `summary --image` does and compared as `diff` does.
#include "FuzzFile.h"
#include "compare/ImageDiff.h"
#include "config/CloneImage.h"
#include "params/Summary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    const auto image = norva::params::ReadCloneFile(norva::fuzz::AsFile(data, size), error);
    if (!image) return 0;
    norva::params::SummaryInput input;
    input.image = *image;
    input.backupByteCount = norva::params::kSummaryCompleteCount;
    input.cloneFile = true;
    norva::params::MakeSummary(input);
    const norva::params::Image zero{};
    for (auto kind : {norva::params::KindOf(false), norva::params::KindOf(true)})
        norva::CloneDifferenceLines(zero, *image, kind);
    return 0;
}
