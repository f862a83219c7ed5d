#include "live/Gauges.h"

#include <QCoreApplication>

#include <algorithm>

#include "base/NumberText.h"
#include "base/Windows1252.h"
#include "live/GaugeGeometry.h"

namespace norva {

namespace {
// The texts of this file, translated.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Gauges)
};
}  // namespace

namespace {
const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kPaleYellow(255, 255, 128);
// Left to us: a dark face so the white arc and ticks read well, light numbers, orange needle.
const QColor kDialBack(0, 0, 0);
const QColor kScaleText(255, 255, 255);
const QColor kNeedle(255, 140, 0);
constexpr double kNeedleWidth = 3;
const QColor kBarBack(48, 48, 48);

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

void DrawDial(Canvas& canvas, DialKind kind, float fullSpeed) {
    const bool temperature = kind == DialKind::Temperature;
    canvas.setBackColor(kDialBack);
    canvas.clear();
    canvas.scale(-100, -100, 200, 200);
    canvas.setLineWidth(2);
    for (int a = 0; a <= 360; ++a) {
        const QPointF p = DialPoint(a, 95);
        canvas.point(p.x(), p.y(), kGrey);
    }
    canvas.setLineWidth(4);
    for (int a = kScaleEnd; a <= kScaleStart; ++a) {
        const QPointF p = DialPoint(a, 60);
        canvas.point(p.x(), p.y(), ArcColour(a, temperature));
    }
    canvas.setLineWidth(1);
    for (int a : kTickAngles) {
        const QPointF outer = DialPoint(a, 70);
        const QPointF inner = DialPoint(a, 60);
        canvas.line(outer.x(), outer.y(), inner.x(), inner.y(), kWhite);
    }
    const auto numbers = temperature ? TemperatureScaleNumbers() : SpeedScaleNumbers(fullSpeed);
    canvas.setForeColor(kScaleText);
    for (size_t i = 0; i < kTickAngles.size(); ++i) {
        const QPointF p = DialPoint(kTickAngles[i], 80);
        canvas.point(p.x() - 10, p.y() - 10, kBlack);
        canvas.printOn(FromStd(FormatNumber(numbers[i], "##0")));
    }
}

void DrawNeedle(Canvas& canvas, int angle) {
    const QPointF tip = DialPoint(angle, kNeedleRadius);
    canvas.setLineWidth(kNeedleWidth);
    canvas.line(0, 0, tip.x(), tip.y(), kNeedle);
}

void DrawBar(Canvas& canvas, double percent, const QColor& colour) {
    canvas.setBackColor(kBarBack);
    canvas.clear();
    canvas.scale(0, 0, 200, 100);
    canvas.setLineWidth(1);
    canvas.filledBox(0, 100, 200, 100 - percent, colour);
}

QColor StickBarColour(int stickPosition, uint8_t idlePositionByte) {
    return idlePositionByte / 2.55 <= stickPosition ? kRed : kPaleYellow;
}

namespace {
// The values the labels show, whether a unit's or none.
struct LiveValues {
    float speed = 0;
    float egt = 0;
    int stick = 0;
    float pump = 0;
    int current = 0;
    float voltage = 0;
    QString line1, line2;
};

LiveTexts TextsOf(const LiveValues& v) {
    LiveTexts t;
    t.speed = FromStd(FormatNumber(v.speed * 1000.0f, "###,##0"));
    t.temperature = FromStd(FormatNumber(v.egt, "###")) + QStringLiteral("ºC");
    t.stick = FromStd(Str(v.stick)) + QLatin1Char('%');
    t.pump = FromStd(Str(v.pump)) + QLatin1Char('%');
    t.current = FromStd(FormatNumber(v.current / 10.0, "#0.0")) + QLatin1Char('A');
    t.voltage = FromStd(FormatNumber(v.voltage, "##.0")) + QLatin1Char('V');
    t.line1 = v.line1;
    t.line2 = v.line2;
    return t;
}
}  // namespace

LiveTexts MakeLiveTexts(const Link& link) {
    return TextsOf({link.EngineSpeed, link.Egt, link.StickPosition, link.PumpPower,
                    link.BatteryCurrent, link.BatteryVoltage, link.TerminalLine(0),
                    link.TerminalLine(1)});
}

LiveTexts NoUnitTexts() {
    const std::string text = Link::NotFoundText();
    const auto line = [&](int n) {
        return AnsiText({reinterpret_cast<const uint8_t*>(text.data()) + n * 16, 16});
    };
    return TextsOf({.line1 = line(0), .line2 = line(1)});
}

LiveTexts MakeLiveNames(const LiveTexts& shown) {
    // The value without the unit sign the label ends with; the name spells its unit out.
    const auto name = [](const QString& caption, QString value, int signLength,
                         const QString& unit) {
        value = value.chopped(std::min(signLength, int(value.size()))).trimmed();
        return value.isEmpty() ? caption : caption + QLatin1Char(' ') + value + unit;
    };
    LiveTexts n;
    n.speed = name(Texts::tr("Engine speed"), shown.speed, 0, Texts::tr(" RPM"));
    n.temperature = name(Texts::tr("Exhaust gas temperature"), shown.temperature, 2,
                         QStringLiteral(" \u00B0C"));
    n.stick = name(Texts::tr("Stick position"), shown.stick, 0, {});
    n.pump = name(Texts::tr("Pump power"), shown.pump, 0, {});
    n.current = name(Texts::tr("Battery current"), shown.current, 1, QStringLiteral(" A"));
    n.voltage = name(Texts::tr("Battery voltage"), shown.voltage, 1, QStringLiteral(" V"));
    n.line1 = name(Texts::tr("Terminal line 1:"), shown.line1, 0, {});
    n.line2 = name(Texts::tr("Terminal line 2:"), shown.line2, 0, {});
    return n;
}

QString ConnectionCaption(LinkState state) {
    switch (state) {
        case LinkState::Disconnected:
            return Texts::tr("Disconnected");
        case LinkState::Connected:
            return Texts::tr("Connected");
        case LinkState::Downloading:
            return Texts::tr("Downloading");
        case LinkState::NotConnected:
            break;
    }
    return Texts::tr("Not connected");
}

QColor ConnectionColour(LinkState state) {
    switch (state) {
        case LinkState::Connected:
            return QColor(0, 255, 0);
        case LinkState::Downloading:
            return QColor(0, 0, 255);
        case LinkState::NotConnected:
        case LinkState::Disconnected:
            break;
    }
    return kRed;
}

QString BackupProgressText(int backupByteCount) {
    if (backupByteCount >= 256) return Texts::tr("Data Backup= 100%");
    return Texts::tr("Data Backup= ") + FromStd(Str(backupByteCount * 100 / 255)) +
           QLatin1Char('%');
}

}  // namespace norva
