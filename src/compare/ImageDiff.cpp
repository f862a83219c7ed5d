#include "compare/ImageDiff.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "base/StatusCodes.h"

namespace norva {

namespace {

using params::Field;
using params::FieldInfo;
using params::UnitKind;

// Fields the summary does not caption, by the name a user would look for.
QString NameOf(const FieldInfo& info) {
    QString caption = QString::fromUtf8(info.caption).trimmed();
    while (caption.endsWith('=')) caption.chop(1);
    if (!caption.isEmpty()) return caption.trimmed();
    switch (info.field) {
        case Field::TempCalibration1:
            return QStringLiteral("Temperature calibration 1");
        case Field::TempCalibration2:
            return QStringLiteral("Temperature calibration 2");
        case Field::MenuAccess:
            return QStringLiteral("Menu access");
        case Field::MaxAuthorizedSpeed:
            return QStringLiteral("Max authorized RPM");
        case Field::IdleStick:
            return QStringLiteral("Idle stick position");
        case Field::HardwareTest:
            return QStringLiteral("Hardware test");
        case Field::WelcomeLine1:
            return QStringLiteral("Welcome line 1");
        case Field::WelcomeLine2:
            return QStringLiteral("Welcome line 2");
        case Field::CurrentOffset:
            return QStringLiteral("Current offset");
        case Field::CurrentFactor:
            return QStringLiteral("Current factor");
        case Field::CalibrationClear:
            return QStringLiteral("Calibration clear");
        default:
            return QStringLiteral("Address %1").arg(info.address);
    }
}

QString Number(double value) {
    if (value == std::floor(value) && std::abs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith('0')) text.chop(1);
    return text;
}

QString Shown(std::span<const uint8_t> image, const FieldInfo& info, UnitKind kind) {
    const uint32_t stored = params::Stored(image, info.field, kind);
    switch (info.coding) {
        case params::Coding::StartModeName:
            return params::StartModeText(uint8_t(stored));
        case params::Coding::ThrottleCurveName:
            return params::ThrottleCurveText(uint8_t(stored));
        case params::Coding::AutoPlus:
            return params::PumpStartPointText(uint8_t(stored));
        case params::Coding::StatusCode:
            return QString::fromStdString(ShutdownCauseText(int(stored)));
        case params::Coding::Text:
            return '"' + params::WelcomeLine(image, info.field == Field::WelcomeLine1 ? 1 : 2) +
                   '"';
        default:
            break;
    }
    QString text = Number(params::Value(image, info.field, kind));
    if (*info.unit) text += ' ' + QString::fromUtf8(info.unit);
    return text;
}

// A row of a table field: the ramps in speed and slope pairs, the pump curve by point.
QString RowName(Field field, int offset) {
    if (field == Field::PumpCurve) return QStringLiteral("Pump curve point %1").arg(offset + 1);
    return QStringLiteral("%1 row %2 %3")
        .arg(field == Field::AccelRamp ? QStringLiteral("Acceleration")
                                       : QStringLiteral("Deceleration"))
        .arg(offset / 2 + 1)
        .arg(offset % 2 == 0 ? QStringLiteral("absolute speed") : QStringLiteral("slope"));
}

}  // namespace

std::vector<Difference> CompareImages(std::span<const uint8_t> a, std::span<const uint8_t> b,
                                      UnitKind kind, std::span<const int> only) {
    const auto cell = [](std::span<const uint8_t> image, int address) {
        return static_cast<size_t>(address) < image.size() ? image[address] : uint8_t{0};
    };
    const auto considered = [&](int address) {
        return only.empty() || std::find(only.begin(), only.end(), address) != only.end();
    };
    std::vector<Difference> out;
    std::vector<bool> named(params::kImageSize, false);
    for (const FieldInfo& info : params::Fields()) {
        const int first = params::AddressOf(info.field, kind);
        // A cell whose meaning on this kind of unit the program does not show is named by its
        // address alone, as the parameters window leaves it out.
        if (first == params::kNoAddress || (kind == UnitKind::Downward && !info.downwardShown))
            continue;
        std::vector<int> changed;
        for (int address = first; address < first + info.width; ++address) {
            named[address] = true;
            if (considered(address) && cell(a, address) != cell(b, address))
                changed.push_back(address);
        }
        if (changed.empty()) continue;
        if (info.coding == params::Coding::Table) {
            for (int address : changed)
                out.push_back({RowName(info.field, address - first),
                               QString::number(cell(a, address)),
                               QString::number(cell(b, address)),
                               {address}});
            continue;
        }
        std::vector<int> all(info.width);
        for (int i = 0; i < info.width; ++i) all[i] = first + i;
        out.push_back({NameOf(info), Shown(a, info, kind), Shown(b, info, kind), all});
    }
    for (int address = 0; address < params::kImageSize; ++address)
        if (!named[address] && considered(address) && cell(a, address) != cell(b, address))
            out.push_back({QStringLiteral("Address %1").arg(address),
                           QString::number(cell(a, address)),
                           QString::number(cell(b, address)),
                           {address}});
    return out;
}

std::string DifferenceLine(const Difference& d) {
    QString where =
        d.addresses.size() == 1 ? QStringLiteral("address ") : QStringLiteral("addresses ");
    for (size_t i = 0; i < d.addresses.size(); ++i)
        where += (i ? QStringLiteral(", ") : QString()) + QString::number(d.addresses[i]);
    return (d.what + QStringLiteral(": ") + d.a + QStringLiteral(" -> ") + d.b +
            QStringLiteral(" (") + where + ')')
        .toStdString();
}

std::vector<std::string> CloneDifferenceLines(std::span<const uint8_t> a,
                                              std::span<const uint8_t> b, UnitKind kind) {
    std::vector<int> cloned(params::kCloneLines);
    std::iota(cloned.begin(), cloned.end(), params::kCloneFirstAddress);
    std::vector<std::string> lines;
    for (const Difference& d : CompareImages(a, b, kind, cloned))
        lines.push_back(DifferenceLine(d));
    return lines;
}

}  // namespace norva
