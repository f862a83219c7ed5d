#include "ramps/Ramps.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/NumberText.h"
#include "base/NumberedLines.h"
#include "link/Link.h"
#include "protocol/AddressMap.h"
#include "ui/Canvas.h"
#include "ui/Dialogs.h"
#include "ui/Progress.h"

namespace norva {

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(norva::Ramps)
};

constexpr int kRow8Acceleration = 15;  // 1-based fields of row 8's speed
constexpr int kRow8Deceleration = 31;
constexpr double kTopSlope = 32;

// The shortest text that reads back as the same single-precision value: 77, 35.5.
QString PlainText(float value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, ec == std::errc() ? int(end - buffer) : 0);
}

std::optional<float> Number(const QString& text) {
    const auto value = ParseNumber(text.toStdString());
    if (!value) return std::nullopt;
    return static_cast<float>(*value);
}

}  // namespace

RampFields DefaultRampFields() {
    const int upTo[kRampRows] = {43, 74, 97, 114, 165, 202, 225, 255};
    const int accel[kRampRows] = {1, 2, 3, 5, 8, 13, 20, 5};
    const int decel[kRampRows] = {1, 2, 3, 5, 8, 13, 18, 20};
    RampFields f;
    for (int r = 0; r < kRampRows; ++r) {
        f[2 * r] = QString::number(upTo[r]);
        f[2 * r + 1] = QString::number(accel[r]);
        f[16 + 2 * r] = QString::number(upTo[r]);
        f[16 + 2 * r + 1] = QString::number(decel[r]);
    }
    f[kFullThrottleField - 1] = QStringLiteral("255");
    f[kIdleField - 1] = QStringLiteral("0");
    return f;
}

QString RampFieldName(int field) {
    if (field == kFullThrottleField) return Texts::tr("Full throttle speed");
    if (field == kIdleField) return Texts::tr("Idle speed");
    const int i = field - 1;
    const bool absolute = i % 2 == 0;
    const QString name = i < 16     ? absolute ? Texts::tr("Acceleration row %1 absolute speed")
                                               : Texts::tr("Acceleration row %1 slope")
                             : absolute ? Texts::tr("Deceleration row %1 absolute speed")
                                    : Texts::tr("Deceleration row %1 slope");
    return name.arg(i % 16 / 2 + 1);
}

std::optional<RampView> Pinta(RampFields fields, int* bad) {
    fields[kRow8Acceleration - 1] = QStringLiteral("255");
    fields[kRow8Deceleration - 1] = QStringLiteral("255");
    std::array<float, kRampFields> n{};
    for (int i = 0; i < kRampFields; ++i) {
        const auto value = Number(fields[i]);
        if (!value) {
            if (bad) *bad = i + 1;
            return std::nullopt;
        }
        n[i] = *value;
    }
    RampView view;
    view.fields = fields;
    const float full = n[kFullThrottleField - 1];
    const float idle = n[kIdleField - 1];
    const float span = full - idle;  // the difference first, as single precision
    for (int row = 0; row < 16; ++row) {
        const float upTo = n[2 * row];
        view.relative[row] = PlainText(std::floor(upTo / 255.0f * span) + idle);
    }
    for (int ramp = 0; ramp < 2; ++ramp) {
        auto& line = view.lines[ramp];
        line.emplace_back(0, kTopSlope);
        for (int r = 0; r < kRampRows; ++r) {
            const int i = 16 * ramp + 2 * r;
            line.emplace_back(n[i], kTopSlope - n[i + 1]);
        }
    }
    return view;
}

void DrawRamps(Canvas& canvas, const RampView& view) {
    canvas.clear();
    canvas.scale(0, 0, 255, kTopSlope);
    canvas.setLineWidth(2);
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255)};
    for (int ramp = 0; ramp < 2; ++ramp) {
        canvas.setForeColor(colours[ramp]);
        const auto& line = view.lines[ramp];
        for (size_t k = 1; k < line.size(); ++k)
            canvas.line(line[k - 1].x(), line[k - 1].y(), line[k].x(), line[k].y());
    }
}

RampFields RampFieldsFromImage(const std::array<uint8_t, 257>& image) {
    RampFields f;
    for (int n = 1; n <= kRampWriteFields; ++n)
        f[n - 1] = QString::number(image[kFirstRampAddress + n - 1]);
    f[kFullThrottleField - 1] = QString::number(image[cell::kFullSpeed]);
    f[kIdleField - 1] = QString::number(image[cell::kIdleSpeed]);
    return f;
}

std::optional<std::vector<std::string>> RampFileLines(const RampFields& fields,
                                                      std::string& error) {
    std::vector<std::string> lines;
    for (int i = 0; i < kRampFields; ++i) {
        const auto value = ParseNumber(fields[i].toStdString());
        if (!value || !std::isfinite(*value)) {
            error = Texts::tr("%1 is not a number: '%2'")
                        .arg(RampFieldName(i + 1), fields[i])
                        .toStdString();
            return std::nullopt;
        }
        // In full decimal digits: a typed 3E302 has no integer type to be cast to.
        lines.push_back(FormatNumber(std::floor(*value), "0"));
    }
    return lines;
}

std::optional<RampFields> ReadRampFile(const std::string& path, std::string& error) {
    constexpr std::size_t kMaxBytes = 64 * 1024;
    const auto text = ReadWholeFile(path, error, kMaxBytes);
    if (!text) return std::nullopt;
    const auto values = ParseValues(*text, path, error);
    if (!values) return std::nullopt;
    if (values->size() < static_cast<std::size_t>(kRampFields)) {
        error =
            path + ": " +
            Texts::tr("holds %1 values; a ramp file holds 34").arg(values->size()).toStdString();
        return std::nullopt;
    }
    RampFields fields;
    for (int i = 0; i < kRampFields; ++i) {
        const double v = (*values)[i].value;
        fields[i] = v == std::floor(v) && std::fabs(v) < 1e15
                        ? QString::number(static_cast<long long>(v))
                        : QString::number(v, 'g', 15);
    }
    return fields;
}

std::optional<uint8_t> RampSentValue(const QString& text) {
    const auto value = ParseNumber(text.toStdString());
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return static_cast<uint8_t>(std::clamp(std::floor(*value), 1.0, 255.0));
}

std::optional<std::array<RampReport, 6>> RampWritePlan(const RampFields& fields,
                                                       std::string& error) {
    std::array<uint8_t, kRampWriteFields> values{};
    for (int i = 0; i < kRampWriteFields; ++i) {
        const auto value = RampSentValue(fields[i]);
        if (!value) {
            error = Texts::tr("%1 is not a number: '%2'")
                        .arg(RampFieldName(i + 1), fields[i])
                        .toStdString();
            return std::nullopt;
        }
        values[i] = *value;
    }
    // Fields and the waits before each report; the last is sent from a cleared buffer.
    struct Shape {
        int first, count;
        bool waitBefore, cleared;
    };
    constexpr Shape kShapes[6] = {{0, 6, false, false}, {6, 6, true, false},  {12, 6, false, false},
                                  {18, 6, true, false}, {24, 6, true, false}, {30, 2, true, true}};
    std::array<RampReport, 6> plan;
    for (int r = 0; r < 6; ++r) {
        const Shape& shape = kShapes[r];
        plan[r].waitBefore = shape.waitBefore;
        plan[r].cleared = shape.cleared;
        for (int i = shape.first; i < shape.first + shape.count; ++i)
            plan[r].commands.push_back(
                CommandSlot(static_cast<uint8_t>(kFirstRampAddress + i), values[i]));
    }
    return plan;
}

Task<OpStatus> WriteRamps(Services s, RampFields fields, WriteOptions options,
                          std::function<void(const RampFields&)> sent) {
    std::string error;
    const auto ramp = RampWritePlan(fields, error);
    if (!ramp) co_return co_await RefuseFile(s.dialogs, error);
    WritePlan plan;
    plan.doing = Texts::tr("writing the ramps");
    plan.what = Texts::tr("the ramp write");
    plan.progress = Texts::tr("Please Wait");
    for (const RampReport& report : *ramp)
        plan.reports.push_back(PlannedReport{.commands = report.commands,
                                             .reportsBefore = report.waitBefore ? 1 : 0,
                                             .keep = !report.cleared,
                                             .mode = report.cleared ? kNormalMode : kNoModeChange});
    const OpStatus status = co_await Write(s, plan, options);
    // The fields show what the unit was sent.
    if (status == OpStatus::Done && !options.dryRun && sent) {
        for (const RampReport& report : *ramp)
            for (const SlotBytes& c : report.commands)
                fields[c[2] - kFirstRampAddress] = QString::number(c[3]);
        sent(fields);
    }
    co_return status;
}

Task<OpStatus> SaveRampsFromImage(Services s, QString path) {
    if (s.link.BackupByteCount < Link::kImageComplete)
        co_return co_await Refuse(s.dialogs, Texts::tr("Backup data not available, please wait"),
                                  OpStatus::Stopped, MessageIcon::Information);
    std::string error;
    const auto view = Pinta(RampFieldsFromImage(s.link.BackupImage));
    const auto lines = RampFileLines(view->fields, error);
    if (!WriteLines(path, *lines, error))
        co_return co_await Refuse(s.dialogs, QString::fromStdString(error), OpStatus::BadInput);
    co_return OpStatus::Done;
}

Task<OpStatus> WriteRampFile(Services s, QString path, WriteOptions options) {
    std::string error;
    const auto fields = ReadRampFile(path.toStdString(), error);
    int bad = 0;
    const auto view = fields ? Pinta(*fields, &bad) : std::nullopt;
    if (fields && !view)
        error = Texts::tr("%1 is not a number").arg(RampFieldName(bad)).toStdString();
    if (!view) co_return co_await RefuseFile(s.dialogs, error);
    co_return co_await WriteRamps(s, view->fields, options);
}

std::string RampTable(const RampView& view) {
    std::string text = "Full throttle speed: " + view.fields[kFullThrottleField - 1].toStdString() +
                       "\nIdle speed: " + view.fields[kIdleField - 1].toStdString() + "\n";
    char line[80];
    for (int ramp = 0; ramp < 2; ++ramp) {
        text += ramp == 0 ? "\nAcceleration\n" : "\nDeceleration\n";
        text += "Row  Relative speed  Absolute speed  Slope\n";
        for (int r = 0; r < kRampRows; ++r) {
            const int i = 16 * ramp + 2 * r;
            std::snprintf(line, sizeof line, "%3d  %14s  %14s  %5s\n", r + 1,
                          qPrintable(view.relative[8 * ramp + r]), qPrintable(view.fields[i]),
                          qPrintable(view.fields[i + 1]));
            text += line;
        }
    }
    return text;
}

}  // namespace norva
