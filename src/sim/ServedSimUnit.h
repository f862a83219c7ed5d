#pragma once
// A SimUnit as the server sees it:  ServedSimUnit served(unit); SimServer server(served, ...);

#include "sim/SimServer.h"
#include "sim/SimUnit.h"

namespace norva::sim {

class ServedSimUnit final : public ServedUnit {
  public:
    explicit ServedSimUnit(SimUnit& unit) : unit_(unit) {}
    void advanceTo(int64_t nowMs) override { unit_.advanceTo(nowMs); }
    bool takeReport(std::span<uint8_t> out) override { return unit_.takeReport(out); }
    void receive(std::span<const uint8_t> report) override { unit_.receive(report); }
    bool silent() const override { return unit_.silent(); }
    bool unplugged() const override { return unit_.unplugged(); }
    int rate() const override { return unit_.rate(); }

  private:
    SimUnit& unit_;
};

}  // namespace norva::sim
