#pragma once
// The unit's run log: a ring of 1024 flash pages, each holding the run's cycle number, a page
// number and six half-second samples, and the byte stream the unit sends in download mode.

#include <array>
#include <cstdint>
#include <vector>

namespace norva::sim {

// One half-second sample as the unit stores it.
struct LogSample {
    uint8_t aux = 0;
    uint8_t temp = 0;  // °C / 4
    uint8_t rpm = 0;   // thousands
    uint8_t throttle = 0;
    uint8_t pump = 0;
};

class RunLog {
  public:
    static constexpr int kPages = 1024;
    static constexpr int kPageSize = 32;
    static constexpr int kSamplesPerPage = 6;
    static constexpr uint8_t kErased = 255;
    using Page = std::array<uint8_t, kPageSize>;

    RunLog();

    void beginRun(uint8_t cycle);
    void addSample(const LogSample& sample);
    // Closes the page being filled; its unused samples are written as zeros.
    void endRun();

    const Page& page(int index) const { return pages_[index]; }
    // Physical page the next new page goes to, i.e. the oldest page once the ring has wrapped.
    int nextPage() const { return next_; }
    uint64_t pagesWritten() const { return written_; }

    // What download mode sends: a preamble of `preamble` bytes, ten zeros, 252, 253, then
    // every page in physical order. The unit pads with kErased after it.
    std::vector<uint8_t> downloadStream(int preamble = 8) const;

  private:
    std::array<Page, kPages> pages_;
    int next_ = 0;
    int current_ = -1;  // page being filled, -1 between runs
    int sampleInPage_ = 0;
    int runPage_ = 0;
    uint8_t cycle_ = 0;
    uint64_t written_ = 0;
};

}  // namespace norva::sim
