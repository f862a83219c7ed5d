#include "sim/SimRunLog.h"

namespace norva::sim {

namespace {
// Any non-zero bytes do; the program looks for the ten zeros that follow them.
constexpr std::array<uint8_t, 8> kPreamble = {'N', 'O', 'R', 'V', 'A', 'L', 'O', 'G'};
constexpr int kMarkZeros = 10;
constexpr uint8_t kMark1 = 252;
constexpr uint8_t kMark2 = 253;
}  // namespace

RunLog::RunLog() {
    for (auto& p : pages_) p.fill(kErased);
}

void RunLog::beginRun(uint8_t cycle) {
    endRun();
    cycle_ = cycle;
    runPage_ = 0;
}

void RunLog::addSample(const LogSample& s) {
    if (current_ < 0 || sampleInPage_ == kSamplesPerPage) {
        current_ = next_;
        next_ = (next_ + 1) % kPages;
        ++written_;
        Page& p = pages_[current_];
        p.fill(kErased);
        p[0] = cycle_;
        p[1] = static_cast<uint8_t>(runPage_++ & 255);
        sampleInPage_ = 0;
    }
    uint8_t* b = &pages_[current_][2 + 5 * sampleInPage_];
    b[0] = s.aux;
    b[1] = s.temp;
    b[2] = s.rpm;
    b[3] = s.throttle;
    b[4] = s.pump;
    ++sampleInPage_;
}

void RunLog::endRun() {
    if (current_ >= 0) {
        for (int i = 2 + 5 * sampleInPage_; i < kPageSize; ++i) pages_[current_][i] = 0;
    }
    current_ = -1;
    sampleInPage_ = 0;
}

std::vector<uint8_t> RunLog::downloadStream(int preamble) const {
    std::vector<uint8_t> out;
    for (int i = 0; i < preamble; ++i) out.push_back(kPreamble[i % kPreamble.size()]);
    out.insert(out.end(), kMarkZeros, 0);
    out.push_back(kMark1);
    out.push_back(kMark2);
    out.reserve(out.size() + kPages * kPageSize);
    for (const Page& p : pages_) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace norva::sim
