#include "cli/Monitor.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "base/NumberText.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "cli/WaitTexts.h"
#include "live/Gauges.h"

namespace norva {

namespace {
// Shortest text that reads back as the same value, always with a period.
void AppendNumber(std::string& out, float value) {
    std::array<char, 32> buf;
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    out.append(buf.data(), ec == std::errc() ? end : buf.data());
}

void AppendNumber(std::string& out, int value) {
    out += std::to_string(value);
}

void AppendCsvField(std::string& out, const std::string& field) {
    const bool quote = field.find_first_of(",\"\r\n") != std::string::npos;
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}
}  // namespace

std::string TerminalLine(const Link& link, int line) {
    // The unit's bytes must never drive the user's terminal: control characters (an escape
    // sequence, a bell, the C1 codes) are printed as \xNN.
    std::string text;
    for (const QChar c : link.TerminalLine(line)) {
        if (c.category() == QChar::Other_Control) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c.unicode());
            text += escaped;
        } else {
            text += QString(c).toStdString();  // UTF-8
        }
    }
    return text;
}

std::string MonitorCsvHeader() {
    return "t_ms,connected,line1,line2,EngineSpeed,Egt,PumpPower,StickPosition,BatteryVoltage,"
           "BatteryCurrent,Pressure,PressureRaw,ReceiverPulse,ReplyAddress,ReplyValue,"
           "BackupByteCount,BackupDescending";
}

std::string MonitorCsvRow(const Link& link, int64_t elapsedMs) {
    std::string row = std::to_string(elapsedMs);
    row += link.DeviceDetected ? ",1," : ",0,";
    AppendCsvField(row, TerminalLine(link, 0));
    row += ',';
    AppendCsvField(row, TerminalLine(link, 1));
    const float floats[] = {link.EngineSpeed, link.Egt, link.PumpPower};
    for (float v : floats) AppendNumber(row += ',', v);
    AppendNumber(row += ',', int(link.StickPosition));
    AppendNumber(row += ',', link.BatteryVoltage);
    AppendNumber(row += ',', int(link.BatteryCurrent));
    AppendNumber(row += ',', link.Pressure);
    AppendNumber(row += ',', int(link.PressureRaw));
    AppendNumber(row += ',', link.ReceiverPulse);
    AppendNumber(row += ',', link.ReplyAddress);
    AppendNumber(row += ',', link.ReplyValue);
    AppendNumber(row += ',', link.BackupByteCount);
    row += link.BackupDownward ? ",1" : ",0";
    return row;
}

std::string MonitorTextRow(const Link& link, int64_t elapsedMs) {
    char values[200];
    std::snprintf(values, sizeof values,
                  "%7.1f krpm  EGT %4.0f C  pump %3.0f %%  stick %3d %%  %5.2f V  %4.1f A  "
                  "backup %s %d",
                  double(link.EngineSpeed), double(link.Egt), double(link.PumpPower),
                  int(link.StickPosition), double(link.BatteryVoltage), link.BatteryCurrent / 10.0,
                  link.BackupDownward ? "down" : "up", link.BackupByteCount.get());
    char head[32];
    std::snprintf(head, sizeof head, "%8lld ms ", static_cast<long long>(elapsedMs));
    return std::string(head) + (link.DeviceDetected ? " " : "!") + "|" + TerminalLine(link, 0) +
           "|" + TerminalLine(link, 1) + "|  " + values;
}

Monitor::Monitor(Link& link, MonitorOptions options, std::FILE* out, std::FILE* status)
    : link_(link), options_(options), out_(out), status_(status) {
    connect(&link_, &Link::dispatched, this, &Monitor::onDispatched);
    connect(&link_, &Link::polled, this, &Monitor::tellState);
    interruptCheck_.setInterval(100);
    connect(&interruptCheck_, &QTimer::timeout, this, [this] {
        if (InterruptWatch::take()) finish();
    });
}

int Monitor::run() {
    const InterruptWatch watch;
    startMs_ = link_.nowMs();
    if (options_.csv) std::fprintf(out_, "%s\n", MonitorCsvHeader().c_str());
    // Like every unit command, it gives up when no unit shows within the wait.
    QTimer::singleShot(static_cast<int>(options_.unitWaitSeconds * 1000), this, [this] {
        if (found_ || link_.DeviceDetected) return;
        std::fprintf(status_, "norva: %s\n",
                     qPrintable(waittext::NoUnitWithin(options_.unitWaitSeconds)));
        exitStatus_ = exitstatus::kNoUnit;
        finish();
    });
    if (options_.seconds > 0)
        QTimer::singleShot(static_cast<int>(options_.seconds * 1000), Qt::PreciseTimer, this,
                           &Monitor::finish);
    interruptCheck_.start();
    link_.start();
    QCoreApplication::exec();
    link_.stop();
    std::fflush(out_);
    return InterruptWatch::received() ? InterruptWatch::exitStatus() : exitStatus_;
}

void Monitor::tellState() {
    // Told once a poll is over: the search that finds the unit at once passes through
    // "Disconnected" within the same poll, and a healthy unit must read "Connected" only.
    const LinkState state = link_.State;
    if (state == told_) return;
    told_ = state;
    std::fprintf(status_, "norva: %s\n", ConnectionCaption(state).toUtf8().constData());
}

void Monitor::onDispatched() {
    tellState();  // the connection is told before the reports it brings
    found_ = found_ || link_.DeviceDetected;
    if (options_.reports > 0 && lines_ >= options_.reports) return;
    const int64_t elapsed = link_.nowMs() - startMs_;
    const std::string row =
        options_.csv ? MonitorCsvRow(link_, elapsed) : MonitorTextRow(link_, elapsed);
    std::fwrite(row.data(), 1, row.size(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);  // a pipe's reader sees each line as it comes, not at the end
    ++lines_;
    if (options_.reports > 0 && lines_ >= options_.reports) finish();
}

void Monitor::finish() {
    link_.pausePolling();
    QCoreApplication::quit();
}

}  // namespace norva
