#include "factory/FactorySetupWindow.h"

#include <QFont>
#include <QPointer>
#include <QResizeEvent>

#include "config/CloneFile.h"
#include "factory/FactoryCommands.h"

namespace norva {

namespace {
constexpr double kPoints = 7;  // the captions fit their design widths
constexpr int kAccessForHardwareTest = 743;

Task<> Ended(Task<OpStatus> operation) {
    co_await std::move(operation);
}
}  // namespace

FactorySetupWindow::FactorySetupWindow(Services services, Config& settings, CloneHandover& handover,
                                       WriteOptions writeOptions, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      settings_(settings),
      handover_(handover),
      writeOptions_(std::move(writeOptions)),
      layout_(QSizeF(kDesignWidthTwips, kDesignHeightTwips)) {
    setWindowTitle(tr("Factory Setup"));
    // Arial's metrics, the font the design's captions were sized for.
    setFont(QFont(QStringLiteral("Liberation Sans")));
    // The design's buttons are just wide enough for their captions: little padding.
    setStyleSheet(QStringLiteral("QPushButton { padding: 1px 2px; }"));
    buildControls();
    // Set when the window loads, as the design leaves it.
    Frame10->setTitle(tr("Max.Authorized R.P.M."));
    Command9->setVisible(settings_.AccessLevel == kAccessForHardwareTest);
    showHandover();
    connect(&handover_, &CloneHandover::changed, this, &FactorySetupWindow::showHandover);
    new CancelWithWindow(services_.link, this);
    resize(TwipsToPixels(kDesignWidthTwips), TwipsToPixels(kDesignHeightTwips));
}

void FactorySetupWindow::buildControls() {
    Frame10 = new QGroupBox(tr("Max. Authorized Speed"), this);
    Command1 = new QPushButton(tr("Set"), Frame10);
    Command4 = new QPushButton(tr("Cal. temp AUTO"), this);
    Text1 = new QLineEdit(QStringLiteral("22"), this);
    Text1->setAccessibleName(tr("Ambient temperature (°C)"));
    Command2 = new QPushButton(tr("Set restricted menus"), this);
    Command3 = new QPushButton(tr("Set full acces menus"), this);
    Command5 = new QPushButton(tr("Fast setup"), this);
    Label1 = new QLabel(tr("No file selected"), this);
    Label1->setAutoFillBackground(true);
    Command6 = new QPushButton(tr("Manual"), this);
    Command7 = new QPushButton(tr("Gas"), this);
    Command8 = new QPushButton(tr("Kero"), this);
    Command9 = new QPushButton(tr("TestHard"), this);
    Label2 = new QLabel(this);
    Command5->hide();
    Label1->hide();

    const std::pair<QWidget*, TwipRect> places[] = {
        {Frame10, {240, 120, 2892, 828}},   {Command1, {840, 360, 636, 300}},
        {Command4, {240, 1680, 2055, 375}}, {Text1, {2400, 1680, 735, 375}},
        {Command2, {240, 2280, 1332, 372}}, {Command3, {1800, 2280, 1815, 375}},
        {Command5, {240, 2880, 3135, 375}}, {Label1, {240, 3360, 3135, 255}},
        {Command6, {120, 3840, 735, 495}},  {Command7, {960, 3840, 855, 495}},
        {Command8, {1920, 3840, 735, 495}}, {Command9, {2760, 3840, 855, 495}},
        {Label2, {120, 4560, 3372, 372}},
    };
    for (const auto& [widget, place] : places) layout_.add(widget, place, kPoints);

    const auto cell = [this](std::function<int()> address, uint8_t value) {
        return [this, address, value] {
            const WriteOptions options = writeOptions_;
            start([address, value, options](Services s) {
                return WriteCell(s, address(), value, options);
            });
        };
    };
    const auto access = [this] { return MenuAccessAddress(services_.link.BackupDownward); };
    const auto mode = [](StartMode m) { return static_cast<uint8_t>(m); };
    const auto startMode = [] { return kStartModeAddress; };
    connect(Command1, &QPushButton::clicked, this, [this] {
        const WriteOptions options = writeOptions_;
        start([options](Services s) { return SetMaxSpeed(s, options); });
    });
    connect(Command2, &QPushButton::clicked, this, cell(access, kRestrictedMenus));
    connect(Command3, &QPushButton::clicked, this, cell(access, kFullMenus));
    connect(Command6, &QPushButton::clicked, this, cell(startMode, mode(StartMode::Manual)));
    connect(Command7, &QPushButton::clicked, this, cell(startMode, mode(StartMode::Gas)));
    connect(Command8, &QPushButton::clicked, this, cell(startMode, mode(StartMode::Kero)));
    connect(Command4, &QPushButton::clicked, this, [this] {
        const QString ambient = Text1->text();
        const WriteOptions options = writeOptions_;
        start([ambient, options](Services s) { return CalibrateTemperature(s, ambient, options); });
    });
    connect(Command5, &QPushButton::clicked, this, [this] {
        const QString path = Label1->text();
        const QString ambient = Text1->text();
        QPointer<QLabel> label = Label1;
        const WriteOptions options = writeOptions_;
        start([path, ambient, options, label](Services s) {
            return FastSetup(s, path, ambient, options, [label](bool running) {
                if (!label) return;
                // Red while the file is being written.
                label->setStyleSheet(running ? QStringLiteral("background: rgb(255,0,0);")
                                             : QString());
            });
        });
    });
    connect(Command9, &QPushButton::clicked, this, [this] {
        QPointer<QLabel> label = Label2;
        Config& settings = settings_;
        const WriteOptions options = writeOptions_;
        start([label, &settings, options](Services s) {
            return HardwareTest(
                s, settings,
                [label](const QString& text) {
                    if (label) label->setText(text);
                },
                options);
        });
    });
}

void FactorySetupWindow::start(std::function<Task<OpStatus>(Services)> operation) {
    const Services s = services_;
    StartOperation(s.link, s.dialogs, Ended(operation(s)), true, this);
}

void FactorySetupWindow::showHandover() {
    if (!handover_.path.isEmpty()) Label1->setText(handover_.path);
    Command5->setVisible(handover_.fastSetupOffered);
    Label1->setVisible(handover_.fastSetupOffered);
}

void FactorySetupWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_.apply(event->size());
}

}  // namespace norva
