#include "mainwin/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <tuple>

#include "link/Link.h"
#include "live/GaugeGeometry.h"
#include "live/Gauges.h"
#include "protocol/AddressMap.h"

namespace norva {

namespace {
// Metric-compatible stand-ins for the design fonts.
const QString kSans = QStringLiteral("Liberation Sans");    // Arial, Tahoma
const QString kMono = QStringLiteral("Liberation Mono");    // Courier New
const QString kSerif = QStringLiteral("Liberation Serif");  // Times New Roman, the window's own

const QString kTitleStyle = QStringLiteral("color: rgb(255,255,0); background: black;");
const QString kValueStyle = QStringLiteral("color: rgb(0,255,0); background: black;");
const QString kFrameStyle = QStringLiteral(
    "QGroupBox { color: rgb(255,255,0); background: black; border: 1px solid rgb(96,96,96);"
    " margin-top: 0.6em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 4px; padding: 0 2px; }");
const QString kKeyStyle = QStringLiteral(
    "QPushButton { background: rgb(255,255,128); color: black; border: 1px solid gray; }"
    "QPushButton:pressed { background: rgb(220,220,100); }");

// The central area reports its own resizes: the layout rule measures the inner size.
class Surface : public QWidget {
  public:
    std::function<void()> resized;

  protected:
    void resizeEvent(QResizeEvent*) override {
        if (resized) resized();
    }
};

// Why no unit is there, for the device chosen: a unit the system refuses is explained with
// what to do; one over TCP names the address that does not answer.
QString NoUnitHintText(const HidBackend& backend) {
    const std::string problem = backend.openProblem();
    if (!problem.empty()) return QString::fromStdString(problem).trimmed();
    const QString address = QString::fromStdString(backend.address());
    if (!address.isEmpty())
        return MainWindow::tr(
                   "Nothing answers at %1. Start the unit's server there (norva-sim --listen "
                   "tcp:%1), or start the program with --device sim to try it.")
            .arg(address);
    QString text = MainWindow::tr("No unit found. Plug the NORVA unit in");
#ifdef Q_OS_LINUX
    text += MainWindow::tr(" (on Linux it needs the udev rule described in the README)");
#endif
    return text + MainWindow::tr(", or start the program with --device sim to try it.");
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& style,
                  const QString& family = kSans) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(style);
    label->setFont(QFont(family));
    return label;
}
}  // namespace

MainWindow::MainWindow(Link& link, Dialogs& dialogs, Config& settings, QString settingsPath,
                       QWidget* parent)
    : QMainWindow(parent),
      link_(link),
      dialogs_(dialogs),
      settings_(settings),
      settingsPath_(std::move(settingsPath)),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips)) {
    setWindowTitle(tr("NORVA System"));
    buildControls();
    // The window's font is its controls'; the menus keep the system's menu font.
    centralWidget()->setFont(QFont(kSerif));
    progress_ = std::make_unique<WindowProgress>(ProgressLabel);
    buildMenus();
    buildStatusBar();
    applyGeometry();
    applyAccessLevel();

    connect(&link_, &Link::dispatched, this, &MainWindow::onDispatched);
    connect(&link_, &Link::polled, this, &MainWindow::onPolled);
    connect(&link_, &Link::gaugeFullSpeedChanged, this, &MainWindow::DrawDials);
    connect(&link_, &Link::stateChanged, this, [this](LinkState state) {
        Label1->setText(ConnectionCaption(state));
        Label1->setStyleSheet(
            QStringLiteral("color: %1; background: black;").arg(ConnectionColour(state).name()));
        if (state == LinkState::Disconnected) ShowLiveValues();
    });
    link_.start();
}

void MainWindow::onDispatched() {
    ShowLiveValues();
    // "Save parameters to a file" and "&Write parameters from a file" need full menu access.
    const bool fileItems = link_.BackupImage[cell::kAccessUpward] == cell::kFullAccessValue;
    if (Save->isVisible() != fileItems) {
        Save->setVisible(fileItems);
        WriteP->setVisible(fileItems);
    }
    // 255 bytes read " 100%", a complete image "100%": two different texts.
    const int percent = link_.BackupByteCount >= 256 ? 1000 : link_.BackupByteCount * 100 / 255;
    if (percent != shownBackupPercent_) {
        shownBackupPercent_ = percent;
        Label14->setText(BackupProgressText(link_.BackupByteCount));
    }
}

void MainWindow::onPolled() {
    nameLiveControls();
    const QString unit =
        link_.DeviceDetected ? QString::fromStdString(link_.backend().describe()) : tr("No unit");
    if (StatusUnit->text() != unit) StatusUnit->setText(unit);
    // A unit that stays away gets a word on how to go on, in place of the empty terminal.
    if (link_.DeviceDetected) {
        unitMissingSinceMs_ = -1;
        if (!NoUnitHint->isHidden()) NoUnitHint->hide();
    } else if (unitMissingSinceMs_ < 0) {
        unitMissingSinceMs_ = link_.nowMs();
    } else if (link_.nowMs() - unitMissingSinceMs_ >= kNoUnitHintMs) {
        // Asked anew each time: a refused unit may be plugged in or fixed meanwhile.
        NoUnitHint->setText(NoUnitHintText(link_.backend()));
        if (NoUnitHint->isHidden()) {
            NoUnitHint->show();
            NoUnitHint->raise();
        }
    }
    // "&Parameters": hidden for downward units, shown once an upward stream runs.
    if (link_.BackupDownward)
        Autostart->setVisible(false);
    else if (link_.BackupByteCount > 3)
        Autostart->setVisible(true);
}

// Screen readers get the values with the controls' names. Renewed at the poll tick, not with
// every report: a unit may send a thousand a second.
void MainWindow::nameLiveControls() {
    const LiveTexts n = MakeLiveNames(valuesShown_ ? shownTexts_ : LiveTexts{});
    const std::pair<QWidget*, const QString&> names[] = {
        {Picture4, n.speed},     {Label5, n.speed},   {Picture3, n.temperature},
        {Label9, n.temperature}, {Picture1, n.stick}, {Text1, n.stick},
        {Picture2, n.pump},      {Text2, n.pump},     {Label6, n.current},
        {Label7, n.voltage},     {Label11, n.line1},  {Label2, n.line2}};
    for (const auto& [widget, name] : names)
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    auto* surface = new Surface;
    surface->setAutoFillBackground(true);
    surface->setStyleSheet(QStringLiteral("background: black;"));
    setCentralWidget(surface);
    QWidget* s = surface;

    Picture4 = new CanvasWidget(s);
    Picture3 = new CanvasWidget(s);
    Picture1 = new CanvasWidget(s);
    Picture2 = new CanvasWidget(s);
    Picture4->setFaceDrawing([this](Canvas& c) {
        c.setFont({kSans, 7 * layout_.factors().kf, false});
        DrawDial(c, DialKind::Speed, link_.GaugeFullSpeed);
    });
    Picture3->setFaceDrawing([this](Canvas& c) {
        c.setFont({kSans, 7 * layout_.factors().kf, false});
        DrawDial(c, DialKind::Temperature, link_.GaugeFullSpeed);
    });
    Picture4->setOverlayDrawing([this](Canvas& c) { DrawNeedle(c, speedAngle_); });
    Picture3->setOverlayDrawing([this](Canvas& c) { DrawNeedle(c, temperatureAngle_); });
    Picture1->setFaceDrawing([](Canvas& c) { DrawBar(c, 0, Qt::black); });
    Picture2->setFaceDrawing([](Canvas& c) { DrawBar(c, 0, Qt::black); });
    Picture1->setOverlayDrawing([this](Canvas& c) { DrawBar(c, shownStick_, stickColour_); });
    Picture2->setOverlayDrawing([this](Canvas& c) { DrawBar(c, shownPump_, QColor(255, 0, 0)); });

    Label3 = MakeLabel(s, QStringLiteral("R.P.M."), kTitleStyle);
    Label4 = MakeLabel(s, QStringLiteral("E.G.T."), kTitleStyle);
    Label5 = MakeLabel(s, QStringLiteral("RPM"), kValueStyle);
    Label9 = MakeLabel(s, QStringLiteral("ºC"), kValueStyle);
    for (QLabel* l : {Label3, Label4, Label5, Label9}) l->setAlignment(Qt::AlignCenter);
    Text1 = new QLineEdit(QStringLiteral("Text1"), s);
    Text2 = new QLineEdit(QStringLiteral("Text2"), s);
    for (QLineEdit* t : {Text1, Text2}) {
        t->setReadOnly(true);
        t->setFont(QFont(kSans));
        t->setAlignment(Qt::AlignCenter);
        t->setStyleSheet(QStringLiteral("background: white; color: black;"));
    }
    Label12 = MakeLabel(s, tr("Stick position"), kTitleStyle);
    Label13 = MakeLabel(s, tr("Pump Power"), kTitleStyle);
    for (QLabel* l : {Label12, Label13}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
    }
    Frame1 = new QGroupBox(tr("Battery Amperage"), s);
    Frame2 = new QGroupBox(tr("Battery Voltage"), s);
    Frame3 = new QGroupBox(tr("USB Connection"), s);
    for (QGroupBox* f : {Frame1, Frame2, Frame3}) {
        f->setStyleSheet(kFrameStyle);
        f->setFont(QFont(kSans));
    }
    Label6 = MakeLabel(Frame1, QString(), kValueStyle);
    Label7 = MakeLabel(Frame2, QString(), kValueStyle);
    Label1 = MakeLabel(Frame3, ConnectionCaption(link_.State),
                       QStringLiteral("color: rgb(255,0,0); background: black;"));
    Label11 = MakeLabel(s, QStringLiteral("1234567890123456"), kValueStyle, kMono);
    Label2 = MakeLabel(s, QStringLiteral("1234567890123456"), kValueStyle, kMono);

    Command1 = new QPushButton(tr("Menu UP"), s);
    Command2 = new QPushButton(tr("Menu down"), s);
    Command3 = new QPushButton(tr("Data UP"), s);
    Command4 = new QPushButton(tr("Data Down"), s);
    // F5 to F8 in the order the keys stand, left to right; Tab reaches them too, but a click
    // leaves the focus where it was.
    const std::tuple<QPushButton*, TerminalKey, Qt::Key> keys[] = {
        {Command2, TerminalKey::MenuDown, Qt::Key_F5},
        {Command1, TerminalKey::MenuUp, Qt::Key_F6},
        {Command4, TerminalKey::DataDown, Qt::Key_F7},
        {Command3, TerminalKey::DataUp, Qt::Key_F8}};
    for (const auto& [button, key, shortcut] : keys) {
        button->setStyleSheet(kKeyStyle);
        button->setFont(QFont(kSans));
        button->setFocusPolicy(Qt::TabFocus);
        button->setShortcut(shortcut);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(
            button->text(), QKeySequence(shortcut).toString(QKeySequence::NativeText)));
        connect(button, &QPushButton::clicked, this, [this, key = key] { link_.PressKey(key); });
    }
    Check1 = new QCheckBox(tr("Norva Power from USB"), s);
    // A box that shows on the black window in both states: a yellow outline, filled when on.
    Check1->setStyleSheet(QStringLiteral(
        "QCheckBox { color: rgb(255,255,0); background: black; spacing: 0.4em; }"
        "QCheckBox::indicator { width: 0.9em; height: 0.9em; border: 1px solid rgb(255,255,0);"
        " background: black; }"
        "QCheckBox::indicator:checked { background: rgb(255,255,0); }"));
    Check1->setFont(QFont(kSans));
    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { link_.SetUsbPower(on); });
    Label14 = MakeLabel(s, QString(), kTitleStyle);
    Label16 = MakeLabel(s, tr("Saving Parameters"),
                        QStringLiteral("color: rgb(255,0,0); background: rgb(255,255,192);"));
    Label16->setAlignment(Qt::AlignCenter);
    Label16->hide();  // shown by the file operations while they run
    ProgressLabel = Label16;
    NoUnitHint = MakeLabel(s, NoUnitHintText(link_.backend()), kValueStyle);
    NoUnitHint->setWordWrap(true);
    // Its commands can be copied into a terminal.
    NoUnitHint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NoUnitHint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    NoUnitHint->hide();

    struct Place {
        QWidget* w;
        TwipRect r;
        double font;
    };
    const Place places[] = {
        {Picture4, {624, 240, 1812, 1812}, 0}, {Picture3, {5280, 240, 1812, 1812}, 0},
        {Picture1, {3000, 240, 500, 1740}, 0}, {Picture2, {4300, 240, 500, 1740}, 0},
        {Label5, {624, 2496, 1812, 492}, 18},  {Label9, {5280, 2496, 1812, 492}, 18},
        {Label3, {1000, 2100, 1176, 300}, 9},  {Label4, {5600, 2100, 1176, 300}, 9},
        {Text1, {2900, 2000, 730, 300}, 8},    {Text2, {4200, 2000, 730, 300}, 8},
        {Label12, {2900, 2300, 732, 396}, 8},  {Label13, {4200, 2300, 732, 396}, 8},
        {Frame1, {5040, 3216, 2124, 700}, 8},  {Frame2, {5040, 4080, 2124, 700}, 8},
        {Frame3, {5040, 4848, 2124, 700}, 8},  {Label6, {48, 240, 1836, 348}, 8},
        {Label7, {120, 240, 1836, 348}, 8},    {Label1, {120, 240, 1836, 348}, 9},
        {Label11, {624, 3300, 3200, 400}, 14}, {Label2, {624, 3700, 3200, 400}, 14},
        {Command2, {624, 4100, 800, 400}, 8},  {Command1, {1424, 4100, 800, 400}, 8},
        {Command4, {2224, 4100, 800, 400}, 8}, {Command3, {3024, 4100, 800, 400}, 8},
        {Label14, {624, 4600, 1200, 220}, 6},  {Label16, {1800, 5000, 1692, 612}, 10},
    };
    for (const Place& p : places) layout_.add(p.w, p.r, p.font);
    layout_.add(Check1, {2200, 4600, 2000, 220}, 6, TwipMode::VerticalOnly);
    // Over the terminal and its keys, which do nothing without a unit: room for a few lines.
    layout_.add(NoUnitHint, {120, 3300, 4800, 1240}, 7);

    surface->resized = [this, surface] { LayoutControls(surface->size()); };
    nameLiveControls();
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    File = bar->addMenu(tr("&File"));
    File->setObjectName(QStringLiteral("File"));
    Save = File->addAction(tr("Save parameters to a file"));
    WriteP = File->addAction(tr("&Write parameters from a file"));
    exit = File->addAction(tr("&Exit"));
    Grafic = bar->addMenu(tr("&Charts"));
    PGraph = Grafic->addAction(tr("&Performance Graph"));
    TGraph = Grafic->addAction(tr("&Time Graph"));
    Autostart = bar->addAction(tr("&Parameters"));
    Rampas = bar->addAction(tr("&Ramps"));
    credit = bar->addAction(tr("&Credits"));
    Donw = bar->addAction(tr("&Download "));
    Logbook = bar->addAction(tr("&Logbook"));
    manu = bar->addMenu(tr("&Manufacturer"));
    Saveall = manu->addAction(tr("Save all"));
    Writeall = manu->addAction(tr("Write all (clone)"));
    Compare = manu->addAction(tr("Compare with file\u2026"));
    Cleartimer = manu->addAction(tr("Clear all timers"));
    ClearService = manu->addAction(tr("Clear Service Timer"));
    SerNum = manu->addAction(tr("Set Serial Number"));
    Advanced = manu->addAction(tr("&Advanced"));
    Versio = bar->addAction(QStringLiteral("V1.1"));
    // In the status bar rather than at the menu bar's end, where the bar's overflow hides it.
    StopReplay = new QAction(tr("&Stop replay"), this);
    StopReplay->setVisible(false);
    addAction(StopReplay);

    // The keys every desktop program takes; Ctrl+Q from any of the program's windows, as
    // "&Exit" quits them all.
    Save->setShortcut(QKeySequence::Save);
    // The platform's quit key, and Ctrl+Q where it has none (Windows' key scheme names none).
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quit.contains(QKeySequence(Qt::CTRL | Qt::Key_Q))) quit.append(Qt::CTRL | Qt::Key_Q);
    exit->setShortcuts(quit);
    exit->setShortcutContext(Qt::ApplicationShortcut);

    // The windows and operations behind these arrive in later steps; until then the items are
    // shown but cannot be chosen.
    for (QAction* a : {PGraph, TGraph, Rampas, Donw, Advanced, Compare}) a->setEnabled(false);
}

void MainWindow::buildStatusBar() {
    StatusUnit = new QLabel(tr("No unit"));
    StatusEngine = new QLabel;
    statusBar()->addWidget(StatusUnit);
    StopReplayButton = new QToolButton;
    StopReplayButton->setDefaultAction(StopReplay);
    StopReplayButton->hide();
    // A tool button shows its action but does not follow its visibility.
    connect(StopReplay, &QAction::changed, StopReplayButton,
            [this] { StopReplayButton->setVisible(StopReplay->isVisible()); });
    statusBar()->addWidget(StopReplayButton);
    statusBar()->addPermanentWidget(StatusEngine);
    statusBar()->setSizeGripEnabled(false);
}

void MainWindow::showEngine(const std::optional<Engine>& engine) {
    QString text;
    if (engine && engine->serial)
        text = tr("%1, serial %2").arg(engine->name).arg(*engine->serial);
    else if (engine)
        text = engine->name;
    StatusEngine->setText(text);
}

void MainWindow::applyAccessLevel() {
    const int level = settings_.AccessLevel;
    manu->menuAction()->setVisible(level >= 741 && level <= 743);
    credit->setVisible(level >= 741 && level <= 743);
    Rampas->setVisible(level == 742 || level == 743);
}

void MainWindow::applyGeometry() {
    readGeometry_ = ReadMainGeometry(settingsPath_);
    const Geometry& g = readGeometry_;
    statusHeight_ = statusBar()->sizeHint().height();
    appliedPixels_ = QRect(TwipsToPixels(g.Left), TwipsToPixels(g.Top), TwipsToPixels(g.Width),
                           TwipsToPixels(g.Height) + statusHeight_);
    resize(appliedPixels_.size());
    move(appliedPixels_.topLeft());
}

bool MainWindow::saveGeometry(std::string* error) {
    const auto twips = [](int pixels, int applied, int read) {
        return pixels == applied ? read : static_cast<int>(pixels * kTwipsPerPixel);
    };
    const QRect& a = appliedPixels_;
    const Geometry& r = readGeometry_;
    return WriteGeometry(
        settingsPath_, "Form1",
        Geometry{twips(width(), a.width(), r.Width),
                 height() == a.height()
                     ? r.Height
                     : static_cast<int>((height() - statusHeight_) * kTwipsPerPixel),
                 twips(x(), a.x(), r.Left), twips(y(), a.y(), r.Top)},
        error);
}

void MainWindow::LayoutControls(QSize inner) {
    layout_.apply(inner);
    FitCheckBox(inner);
    progress_->refit();
    DrawDials();
    ShowLiveValues();
}

void MainWindow::FitCheckBox(QSize inner) {
    // Its design place scales with the height alone, so on a wide or narrow window it meets
    // other controls or the edge: it keeps its whole text, stays inside the window, clear of
    // the frames where there is room, and above the labels it still meets.
    const QSize least = Check1->sizeHint();
    QRect box = Check1->geometry();
    box.setSize(box.size().expandedTo(least));
    const auto meets = [&](const QRect& r) {
        return r.right() >= inner.width() || r.intersects(Frame1->geometry()) ||
               r.intersects(Frame2->geometry()) || r.intersects(Frame3->geometry());
    };
    if (meets(box)) box.setWidth(least.width());  // no wider than its text where space is short
    for (const QGroupBox* frame : {Frame1, Frame2, Frame3})
        if (box.intersects(frame->geometry()) && frame->x() >= box.width())
            box.moveRight(frame->x() - 1);
    box.moveLeft(std::max(0, std::min(box.left(), inner.width() - box.width())));
    box.moveTop(std::max(0, std::min(box.top(), inner.height() - box.height())));
    Check1->setGeometry(box);
    Check1->raise();
}

void MainWindow::DrawDials() {
    Picture3->redrawFace();
    Picture4->redrawFace();
}

void MainWindow::ShowLiveValues() {
    if (settings_.CommPort == 0) return;  // the display stays as it was
    // A unit that is gone shows nothing: its last values would read as if it still ran.
    const bool unit = link_.DeviceDetected;
    speedAngle_ = SpeedNeedleAngle(unit ? link_.EngineSpeed.get() : 0, link_.GaugeFullSpeed);
    temperatureAngle_ = TemperatureNeedleAngle(unit ? link_.Egt.get() : 0);
    Picture4->updateOverlay();
    Picture3->updateOverlay();
    const LiveTexts t = unit ? MakeLiveTexts(link_) : NoUnitTexts();
    Label5->setText(t.speed);
    Label9->setText(t.temperature);
    const int stick = unit ? link_.StickPosition.get() : 0;
    shownStick_ = stick;
    shownPump_ = unit ? link_.PumpPower.get() : 0;
    stickColour_ = StickBarColour(stick, link_.BackupImage[cell::kIdleStick]);
    Picture1->updateOverlay();
    Picture2->updateOverlay();
    Text1->setText(t.stick);
    Text2->setText(t.pump);
    Label6->setText(t.current);
    Label7->setText(t.voltage);
    Label11->setText(t.line1);
    Label2->setText(t.line2);
    shownTexts_ = t;
    valuesShown_ = true;
}

void MainWindow::closeForExit() {
    exiting_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        exiting_ = true;
        emit closing();  // the unit is closed first
        saveGeometry();
    }
    event->accept();
}

}  // namespace norva
