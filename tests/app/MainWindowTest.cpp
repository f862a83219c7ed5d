#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "app/App.h"
#include "base/NumberedLines.h"
#include "compare/DifferencesWindow.h"
#include "link/Link.h"
#include "link/hid/SimBackend.h"
#include "link/hid/TcpBackend.h"
#include "logbook/Logbook.h"
#include "mainwin/MainWindow.h"
#include "params/ParametersWindow.h"
#include "params/WelcomeTextWindow.h"
#include "perfchart/PerformanceChartWindow.h"
#include "ramps/RampsWindow.h"
#include "runlog/TimeChartWindow.h"
#include "support/FakeBackend.h"
#include "support/LinkFixture.h"
#include "support/MarkingTranslator.h"
#include "ui/Contrast.h"
#include "ui/ScriptedDialogs.h"

using namespace norva;
using namespace norva::testing;

namespace {
// The controls a window shows itself, not those of the windows it opened.
QList<QWidget*> Shown(QWidget* window) {
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && w->isVisibleTo(window)) shown << w;
    return shown;
}

// The controls of a window that a screen reader cannot name, one line each. The parts of a
// compound control (scroll bars, viewports, headers) go by the control's name.
std::string UnnamedControls(QWidget* window) {
    std::string unnamed;
    for (QWidget* w : Shown(window)) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w) &&
            !qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QComboBox*>(w) &&
            !qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QAbstractSlider*>(w) &&
            !qobject_cast<CanvasWidget*>(w))
            continue;
        bool part = false;
        for (QWidget* p = w->parentWidget(); p != window; p = p->parentWidget())
            part = part || qobject_cast<QAbstractScrollArea*>(p) ||
                   qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<QComboBox*>(p) ||
                   qobject_cast<QMenuBar*>(p);
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(w);
        if (!part && (!seen || seen->text(QAccessible::Name).trimmed().isEmpty()))
            unnamed += window->windowTitle().toStdString() + ": " + w->metaObject()->className() +
                       " " + w->objectName().toStdString() + " at " + std::to_string(w->x()) + "," +
                       std::to_string(w->y()) + "\n";
    }
    return unnamed;
}

// The texts of a window that do not stand out 4.5:1 from the colour most of their control's
// picture has, one line each.
std::string UnreadableTexts(QWidget* window) {
    std::string unreadable;
    for (QWidget* w : Shown(window)) {
        if (!w->isEnabled() || w->width() < 2) continue;  // a disabled one says it cannot be used
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull())
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        if (text.trimmed().isEmpty()) continue;
        const QImage picture = w->grab().toImage();
        std::map<QRgb, int> counts;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) ++counts[picture.pixel(x, y)];
        const QColor behind = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                  return a.second < b.second;
                              })->first;
        const QColor colour = w->palette().color(w->foregroundRole());
        if (ContrastRatio(colour, behind) < 4.5)
            unreadable += window->windowTitle().toStdString() + ": \"" + text.toStdString() +
                          "\" " + colour.name().toStdString() + " on " +
                          behind.name().toStdString() + "\n";
    }
    return unreadable;
}

// The texts a window shows that were not translated, one line each. Texts without a word
// (numbers, values with their unit, R.P.M.) and the unit's own texts in `unit` need none.
std::string UntranslatedTexts(QWidget* window, const std::set<const QWidget*>& unit) {
    std::string missing;
    const auto check = [&](const QString& text, const char* what) {
        QString plain = text;
        plain.remove(QLatin1Char('&'));
        if (!plain.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))) ||
            plain.contains(QChar(0x00AB)))
            return;
        missing +=
            window->windowTitle().toStdString() + ": " + what + " \"" + text.toStdString() + "\"\n";
    };
    check(window->windowTitle(), "title");
    for (QWidget* w : Shown(window)) {
        if (unit.count(w)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) check(label->text(), "label");
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(button->text(), "button");
        if (auto* box = qobject_cast<QGroupBox*>(w)) check(box->title(), "frame");
        if (!w->toolTip().isEmpty()) check(w->toolTip(), "tooltip");
        if (!w->accessibleName().isEmpty()) check(w->accessibleName(), "name");
    }
    for (QAction* action : window->findChildren<QAction*>())
        if (action->isVisible() && !action->isSeparator()) check(action->text(), "menu item");
    return missing;
}

class MainWindowTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString ini = dir.filePath("norva10.ini");
    std::unique_ptr<App> app;
    FakeBackend* bus = nullptr;
    MainWindow* window = nullptr;
    int64_t now = 0;

    Link& link() { return app->link(); }
    ScriptedDialogs& dialogs() { return static_cast<ScriptedDialogs&>(app->dialogs()); }

    void writeIni(const QByteArray& text) {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // On a scripted bus unless another backend is given.
    void open(std::unique_ptr<HidBackend> backend = nullptr) {
        app.reset();
        if (!backend) {
            auto fake = std::make_unique<FakeBackend>();
            bus = fake.get();
            backend = std::move(fake);
        }
        AppOptions options;
        options.settingsPath = ini;
        options.logbookPath = dir.filePath("logbook.sqlite");
        options.dialogs = std::make_unique<ScriptedDialogs>();
        options.clock = [this] { return now; };
        options.backupFolder = dir.filePath("backups");
        app = std::make_unique<App>(std::move(backend), std::move(options));
        window = app->mainWindow();
        link().pausePolling();  // the tests tick by hand
    }
    // Every window open, on a unit whose whole configuration came; the main window first.
    QList<QWidget*> openEveryWindow() {
        writeIni("[Color]\r\nActual=743\r\n");
        open();
        window->show();
        auto& unit = bus->add("unit");
        for (int a = 1; a <= 300; ++a) unit.reports.push_back(StreamReport(a % 256, 7));
        link().PollTick();
        Settle(link());
        for (QAction* item : {window->Autostart, window->credit, window->Advanced, window->Rampas,
                              window->Donw, window->TGraph, window->PGraph})
            item->trigger();
        QTemporaryDir files;
        dialogs().answerSaveFile(files.filePath("all.nvc"));
        window->Saveall->trigger();
        Settle(link());
        dialogs().answerOpenFile(files.filePath("all.nvc"));
        window->Compare->trigger();
        Settle(link());
        QList<QWidget*> windows{window};
        for (QWidget* w : window->findChildren<QWidget*>())
            if (w->isWindow() && w->isVisible()) windows << w;
        return windows;
    }
    QString iniText() {
        QFile f(ini);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromLatin1(f.readAll());
    }
};
}  // namespace

TEST_F(MainWindowTest, AFreshMachineHidesTheFactoryMenusAndTheAccessLevelOpensThem) {
    open();
    EXPECT_EQ(window->windowTitle(), "NORVA System");
    EXPECT_TRUE(window->Save->isVisible());  // before the first report
    EXPECT_TRUE(window->WriteP->isVisible());
    EXPECT_TRUE(window->Autostart->isVisible());
    EXPECT_FALSE(QFile::exists(ini));  // reading never creates the file
    EXPECT_EQ(window->Label1->text(), "Not connected");
    // The menus keep the system's menu font beside the window's own.
    EXPECT_EQ(window->centralWidget()->font().family(), "Liberation Serif");
    EXPECT_EQ(window->menuBar()->font().family(), QApplication::font(window->menuBar()).family());
    EXPECT_NE(window->menuBar()->font().family(), "Liberation Serif");
    EXPECT_EQ(window->File->font().family(), window->menuBar()->font().family());
    for (const auto& [level, factory, ramps] :
         {std::tuple{"", false, false}, {"741", true, false}, {"742", true, true}}) {
        SCOPED_TRACE(level);
        if (*level) writeIni(QByteArray("[Color]\r\nActual=") + level + "\r\n");
        open();
        EXPECT_EQ(window->manu->menuAction()->isVisible(), factory);
        EXPECT_EQ(window->credit->isVisible(), factory);
        EXPECT_EQ(window->Rampas->isVisible(), ramps);
    }
}

TEST_F(MainWindowTest, MenusFollowTheStream) {
    open();
    bus->add("unit").reports.push_back(StreamReport(47, 0));
    link().PollTick();
    EXPECT_FALSE(window->Save->isVisible());
    EXPECT_FALSE(window->WriteP->isVisible());
    bus->find("unit")->reports.push_back(StreamReport(47, 7));
    link().PollTick();
    EXPECT_TRUE(window->Save->isVisible());
    EXPECT_TRUE(window->WriteP->isVisible());
    // A falling stream hides "&Parameters".
    for (int a : {46, 45, 44}) bus->find("unit")->reports.push_back(StreamReport(a, 0));
    link().PollTick();
    EXPECT_TRUE(link().BackupDownward);
    EXPECT_FALSE(window->Autostart->isVisible());
    EXPECT_EQ(window->Label1->text(), "Connected");
    EXPECT_TRUE(window->Label14->text().startsWith("Data Backup= "));
}

TEST_F(MainWindowTest, AKeySendsItsFrameClickedOrFromTheKeyboard) {
    open();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    bus->add("unit").reports.push_back(StreamReport(0, 0));
    link().PollTick();
    // The frames themselves are the link's (its tests check them byte by byte).
    for (const auto& [button, key, frame, tip] :
         {std::tuple{window->Command2, Qt::Key_F5, 68, "Menu down (F5)"},
          {window->Command1, Qt::Key_F6, 67, "Menu UP (F6)"},
          {window->Command4, Qt::Key_F7, 66, "Data Down (F7)"},
          {window->Command3, Qt::Key_F8, 65, "Data UP (F8)"}}) {
        SCOPED_TRACE(tip);
        EXPECT_EQ(button->toolTip(), tip);
        bus->writes.clear();
        button->click();
        QTest::keyClick(window, key);  // the button shows itself pressed first
        ASSERT_TRUE(QTest::qWaitFor([&] { return bus->writes.size() == 2; }));
        EXPECT_EQ(bus->writes[0][4], frame);
        EXPECT_EQ(bus->writes[1][4], frame);
    }
}

TEST_F(MainWindowTest, TheStatusBarNamesTheConnectionAndTheUnitsEngine) {
    std::array<uint8_t, 257> image{};
    image.fill('N');  // as the stream below leaves it: welcome text "NNNN…"
    Logbook(dir.filePath("logbook.sqlite")).addEngine("Other engine", {});
    open();
    EXPECT_EQ(window->StatusUnit->text(), "No unit");
    auto& unit = bus->add("unit");
    for (int a = 1; a <= 300; ++a) unit.reports.push_back(StreamReport(a % 256, 'N'));
    link().PollTick();
    EXPECT_EQ(window->StatusUnit->text(), "USB unit");
    QTest::qWait(300);  // the first look-up found no engine
    EXPECT_EQ(window->StatusEngine->text(), "");
    // A unit the logbook learns of by an operation (a download) is named after it.
    Logbook(dir.filePath("logbook.sqlite")).addEngine("Demo engine", IdentityOf(image, false));
    ASSERT_EQ(link().Operation.start([]() -> Task<> { co_return; }()),
              RunningOperation::Refusal::None);
    QCoreApplication::processEvents();  // it has ended
    link().PollTick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->StatusEngine->text() == "Demo engine"; }));
    bus->unplug("unit");
    link().PollTick();
    EXPECT_EQ(window->StatusUnit->text(), "No unit");
    EXPECT_EQ(window->StatusEngine->text(), "");
    EXPECT_EQ(TcpBackend("127.0.0.1", 1).describe(), "tcp:127.0.0.1:1");
    EXPECT_EQ(SimBackend().describe(), "Simulated unit");
}

TEST_F(MainWindowTest, ExitSavesSettingsAndGeometry) {
    open();
    app->Exit();
    const QString text = iniText();
    EXPECT_TRUE(text.contains("R.P.M.Max=250")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Pressure_Factor]\r\nValue=0.009")) << text.toStdString();
    EXPECT_TRUE(text.contains("Form1W= 9400")) << text.toStdString();
    EXPECT_FALSE(bus->openHandles());
    EXPECT_TRUE(dialogs().messages().empty());
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedAreNamedOnExit) {
    writeIni("[Color]\r\nActual=741\r\n");
    QFile::setPermissions(ini, QFile::ReadOwner);
    open();
    app->Exit();
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(dialogs().messages().size(), 1u);
    EXPECT_EQ(dialogs().messages()[0],
              "The settings could not be saved: " + ini + ": the file is read-only.");
    EXPECT_EQ(iniText(), "[Color]\r\nActual=741\r\n");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, AShownWindowLaysItselfOutAndClosingSavesWhereItWasMovedOnly) {
    open();
    bus->add("unit").reports.push_back(StreamReport(0, 0));
    link().PollTick();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_GT(window->Picture4->width(), 50);
    window->move(200, 100);
    window->close();
    const QString text = iniText();
    EXPECT_TRUE(text.contains("Form1L= 3000")) << text.toStdString();
    EXPECT_FALSE(text.contains("Pressure_Factor"));
    EXPECT_EQ(bus->openHandles(), 0);
}

TEST_F(MainWindowTest, TheProgressLabelShowsItsWholeTextAtTheDesignSizeAndLarger) {
    open();
    QLabel* label = window->ProgressLabel;
    for (const QSize twips : {QSize(8000, 5940), QSize(16000, 5940), QSize(16000, 11880)}) {
        window->LayoutControls(QSize(twips.width() / 15, twips.height() / 15));
        for (const char* text :
             {"Programming the NORVA 100%", "Hardware test: step 9 of 9", "Saving Parameters 106%",
              "Reading the unit's configuration 100%", "Confirming the write"}) {
            window->progress().show(QString::fromLatin1(text));
            const QRect need = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            EXPECT_TRUE(label->wordWrap());
            EXPECT_TRUE(label->contentsRect().contains(need))
                << text << " needs " << need.width() << " x " << need.height() << " at "
                << twips.width() << " x " << twips.height();
        }
    }
}

TEST_F(MainWindowTest, ARunReplaysUntilTheUnitIsTakenBackAndTheTimeChartReopensOnIt) {
    open();
    bus->add("unit");
    link().PollTick();
    const QString file = dir.filePath("run.txt");
    std::string error;
    ASSERT_TRUE(WriteLines(
        file,
        {"\"Cycle\",\"Page\",\"Aux\",\"Temp\",\"RPM\",\"Throttle\",\"Pump\"", "6,0,0,20,0,0,0",
         "7,0,0,500,90000,500,500", "7,0,0,500,95000,500,500", "7,0,0,600,100000,600,600"},
        error));
    app->DownloadExported(file);
    app->timeChartWindow()->chooseRun(0);
    app->timeChartWindow()->ReplayRun->click();
    EXPECT_EQ(bus->openHandles(), 0);  // the unit let go
    EXPECT_TRUE(window->StopReplay->isVisible());
    link().PollTick();
    EXPECT_EQ(link().TerminalLine(0).trimmed(), "REPLAY cycle 7");
    EXPECT_EQ(link().EngineSpeed, 90.0f);  // the run's first sample, not the file's
    EXPECT_EQ(window->StatusUnit->text(), "Replay of run.txt at x1");
    EXPECT_TRUE(window->StopReplayButton->isVisibleTo(window));
    now += 1000;  // two samples later, and the last one held
    link().PollTick();
    EXPECT_EQ(link().EngineSpeed, 100.0f);
    window->StopReplay->trigger();
    EXPECT_FALSE(window->StopReplay->isVisible());
    link().PollTick();
    EXPECT_EQ(link().DevicePath.get(), "unit");
    // Closed and chosen again, the time chart draws the last download.
    app->timeChartWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(app->timeChartWindow());
    window->TGraph->trigger();
    ASSERT_TRUE(app->timeChartWindow());
    EXPECT_EQ(app->timeChartWindow()->file(), file);
    EXPECT_EQ(app->timeChartWindow()->lines().size(), 4u);
}

TEST_F(MainWindowTest, LiveValuesReachTheLabelsAndTheNamesAScreenReaderReads) {
    open();
    bus->add("unit").reports.push_back(LiveReport("TRIM LOW", "RPM 0"));
    link().PollTick();
    EXPECT_EQ(window->Label5->text(), "120,000");
    EXPECT_EQ(window->Label9->text(), "640ºC");
    EXPECT_EQ(window->Text1->text(), " 100%");
    EXPECT_EQ(window->Text2->text(), " 50%");
    EXPECT_EQ(window->Label6->text(), "4.2A");
    EXPECT_EQ(window->Label7->text(), "12.4V");
    EXPECT_EQ(window->Label11->text(), "TRIM LOW        ");
    EXPECT_EQ(window->Label2->text(), "RPM 0           ");
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(window->Picture4), "Engine speed 120,000 RPM");
    EXPECT_EQ(name(window->Picture3), "Exhaust gas temperature 640 \u00B0C");
    EXPECT_EQ(name(window->Picture2), "Pump power 50%");
    EXPECT_EQ(name(window->Label6), "Battery current 4.2 A");
    EXPECT_EQ(name(window->Label11), "Terminal line 1: TRIM LOW");
    // A lost unit's values go with it: the window reads as before any unit was found.
    const auto texts = [&] {
        return std::vector<QString>{window->Label5->text(),  window->Label9->text(),
                                    window->Text1->text(),   window->Text2->text(),
                                    window->Label6->text(),  window->Label7->text(),
                                    window->Label11->text(), window->Label2->text()};
    };
    bus->unplug("unit");
    link().PollTick();
    EXPECT_EQ(window->Label1->text(), "Disconnected");
    const auto lost = texts();
    open();
    window->LayoutControls(window->centralWidget()->size());
    EXPECT_EQ(lost, texts());
    EXPECT_EQ(lost[0], "0");
    // Comm port 0 freezes the display.
    writeIni("[Comm]\r\nActual=0\r\n");
    open();
    bus->add("unit").reports.push_back(LiveReport("TRIM LOW", "RPM 0"));
    link().PollTick();
    EXPECT_EQ(window->Label5->text(), "RPM");
    EXPECT_EQ(window->Label11->text(), "1234567890123456");
}

TEST_F(MainWindowTest, EachItemOpensOneWindowAndANewOneAfterClosing) {
    writeIni("[Color]\r\nActual=741\r\n");
    open();
    EXPECT_EQ(app->parametersWindow(), nullptr);  // built when first chosen
    const std::function<QWidget*()> parameters = [&] { return app->parametersWindow(); };
    const std::function<QWidget*()> credits = [&] { return app->welcomeWindow(); };
    for (const auto& [item, shown, title] :
         {std::tuple{window->Autostart, parameters, "Parameters"},
          {window->credit, credits, "Credits"}}) {
        SCOPED_TRACE(title);
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        ASSERT_NE(shown(), nullptr);
        EXPECT_TRUE(shown()->isVisible());
        EXPECT_TRUE(shown()->isWindow());
        EXPECT_EQ(shown()->windowTitle(), title);
        QWidget* first = shown();
        item->trigger();  // chosen again while open: the same window comes to the front
        EXPECT_EQ(shown(), first);
    }
    // Closed, it is gone; the next choice builds it afresh.
    QPointer<QWidget> first = app->parametersWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(app->parametersWindow(), nullptr);
    window->Autostart->trigger();
    ASSERT_NE(app->parametersWindow(), nullptr);
    EXPECT_TRUE(app->parametersWindow()->isVisible());
}

TEST_F(MainWindowTest, UsbPowerBoxIsWholeVisibleAndClickableAtAnySize) {
    open();
    bus->add("unit").reports.push_back(StreamReport(0, 0));
    link().PollTick();
    QWidget* surface = window->centralWidget();
    for (QSize inner : {QSize(533, 396), QSize(1300, 400), QSize(667, 333), QSize(400, 900)}) {
        SCOPED_TRACE(inner.width());
        surface->resize(inner);
        window->LayoutControls(inner);
        const QRect box = window->Check1->geometry();
        EXPECT_TRUE(QRect(QPoint(0, 0), inner).contains(box));
        EXPECT_GE(box.width(), window->Check1->sizeHint().width());  // the whole text
        for (const QGroupBox* frame : {window->Frame1, window->Frame2, window->Frame3})
            EXPECT_FALSE(box.intersects(frame->geometry()));
        // Nothing lies over it: a click on the box or its text reaches it.
        EXPECT_EQ(surface->childAt(box.left() + 3, box.center().y()), window->Check1);
        EXPECT_EQ(surface->childAt(box.center()), window->Check1);
        bus->writes.clear();
        QTest::mouseClick(window->Check1, Qt::LeftButton, {}, QPoint(4, box.height() / 2));
        ASSERT_EQ(bus->writes.size(), 1u);
        EXPECT_EQ(bus->writes[0][31], 2);  // USB power, on and off in turn
        EXPECT_EQ(bus->writes[0][32], window->Check1->isChecked() ? 1 : 0);
    }
    // The box shows unchecked too: yellow outline pixels left of the text.
    window->Check1->setChecked(false);
    const QImage unchecked = window->Check1->grab().toImage();
    int yellow = 0;
    for (int y = 0; y < unchecked.height(); ++y)
        for (int x = 0; x < unchecked.height(); ++x)
            yellow += unchecked.pixelColor(x, y) == QColor(255, 255, 0);
    EXPECT_GT(yellow, 8);
}

TEST_F(MainWindowTest, NoUnitForAFewSecondsSaysHowToGoOn) {
    open();
    for (; now < MainWindow::kNoUnitHintMs; now += 500) link().PollTick();
    EXPECT_TRUE(window->NoUnitHint->isHidden());
    now += 500;
    link().PollTick();
    EXPECT_FALSE(window->NoUnitHint->isHidden());
    EXPECT_TRUE(window->NoUnitHint->text().contains("--device sim"));
    EXPECT_TRUE(window->NoUnitHint->text().contains("udev rule"));
    // A unit the system refuses: why, and what to do, as the backend tells it.
    bus->problem = "NORVA unit found at /dev/hidraw3, but this user may not open it.\n";
    link().PollTick();
    EXPECT_EQ(window->NoUnitHint->text(),
              "NORVA unit found at /dev/hidraw3, but this user may not open it.");
    bus->add("unit").reports.push_back(StreamReport(0, 0));
    link().PollTick();
    EXPECT_TRUE(window->NoUnitHint->isHidden());

    open(std::make_unique<TcpBackend>("127.0.0.1", 1));  // nothing listens on port 1
    for (now = 0; now <= MainWindow::kNoUnitHintMs; now += 500) link().PollTick();
    EXPECT_TRUE(window->NoUnitHint->text().startsWith("Nothing answers at 127.0.0.1:1."));
}

TEST_F(MainWindowTest, EveryWindowHasTheIconAndEveryControlAName) {
    const QList<QWidget*> windows = openEveryWindow();
    EXPECT_EQ(windows.size(), 9);
    for (QWidget* w : windows) {
        EXPECT_FALSE(w->windowIcon().pixmap(32).isNull()) << w->windowTitle().toStdString();
        EXPECT_EQ(UnnamedControls(w), "");
    }
}

// Every text of every window reads at 4.5:1 or better on what is behind it, on a light, a dark
// and a high-contrast desktop: measured on the controls' pictures.
TEST_F(MainWindowTest, EveryTextReadsOnLightDarkAndHighContrastDesktops) {
    const QPalette light = QApplication::palette();
    const auto palette = [](QColor window, QColor text, QColor base) {
        QPalette p;
        for (auto role : {QPalette::Window, QPalette::Button}) p.setColor(role, window);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            p.setColor(role, text);
        p.setColor(QPalette::Base, base);
        return p;
    };
    for (const auto& [name, desktop] :
         {std::pair{"light", light},
          {"dark", palette(QColor(53, 53, 53), Qt::white, QColor(42, 42, 42))},
          {"high contrast", palette(Qt::black, Qt::white, Qt::black)}}) {
        QApplication::setPalette(desktop);  // the desktop's, before the windows open
        for (QWidget* w : openEveryWindow()) EXPECT_EQ(UnreadableTexts(w), "") << name;
        app.reset();
    }
    QApplication::setPalette(light);
}

// Every text of every window can be translated, but the unit's own: its terminal, the
// summary's frames and lines, its welcome text.
TEST_F(MainWindowTest, EveryTextCanBeTranslated) {
    MarkingTranslator marks;
    const QList<QWidget*> windows = openEveryWindow();
    std::set<const QWidget*> unit{window->Label11, window->Label2};
    for (QWidget* w : app->parametersWindow()->findChildren<QWidget*>()) unit.insert(w);
    for (QWidget* w : windows) EXPECT_EQ(UntranslatedTexts(w, unit), "");
}

TEST_F(MainWindowTest, CtrlPPrintsCtrlSSavesAndCtrlQQuitsFromAnyWindow) {
    writeIni("[Color]\r\nActual=742\r\n");
    open();
    window->show();
    const auto press = [](QWidget* w, Qt::Key key) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, key, Qt::ControlModifier);
    };
    window->TGraph->trigger();
    press(app->timeChartWindow(), Qt::Key_P);
    EXPECT_EQ(dialogs().calls(DialogCall::Kind::Printer).size(), 1u);
    press(app->timeChartWindow(), Qt::Key_S);
    EXPECT_EQ(dialogs().calls(DialogCall::Kind::SaveFile).size(), 1u);
    window->Rampas->trigger();
    press(app->rampsWindow(), Qt::Key_S);
    EXPECT_EQ(dialogs().calls(DialogCall::Kind::SaveFile).size(), 2u);
    window->PGraph->trigger();
    press(app->performanceChartWindow(), Qt::Key_S);
    EXPECT_EQ(dialogs().calls(DialogCall::Kind::SaveFile).size(), 3u);

    press(app->performanceChartWindow(), Qt::Key_Q);
    EXPECT_TRUE(iniText().contains("R.P.M.Max=250")) << iniText().toStdString();  // as "&Exit"
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, FileMenusRunTheirOperationsAndEscapeCancelsThem) {
    writeIni("[Color]\r\nActual=742\r\n");
    open();
    auto& unit = bus->add("unit");
    for (int a = 1; a <= 300; ++a) unit.reports.push_back(StreamReport(a % 256, 7));
    link().PollTick();
    Settle(link());
    for (QAction* item : {window->Save, window->WriteP, window->Saveall, window->Writeall,
                          window->SerNum, window->ClearService, window->Cleartimer})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();

    QTemporaryDir files;
    dialogs().answerSaveFile(files.filePath("all.nvc"));
    window->Saveall->trigger();
    Settle(link());
    EXPECT_TRUE(QFile::exists(files.filePath("all.nvc")));
    {
        // One value changed, so the write has something to do.
        QFile f(files.filePath("all.nvc"));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QByteArray text = f.readAll();
        text[0] = '8';
        f.seek(0);
        f.write(text);
    }

    // Compared first: the one changed value, in a window to copy from.
    dialogs().answerOpenFile(files.filePath("all.nvc"));
    window->Compare->trigger();
    Settle(link());
    auto* differences = window->findChild<DifferencesWindow*>();
    ASSERT_TRUE(differences);
    EXPECT_EQ(differences->text->toPlainText().count('\n'), 1)
        << differences->text->toPlainText().toStdString();
    EXPECT_TRUE(differences->text->toPlainText().contains("(address 16)"));
    EXPECT_TRUE(differences->text->toPlainText().startsWith("Unit -> all.nvc, 1 difference:\n"));
    differences->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(differences));
    QTest::keyClick(differences, Qt::Key_Escape);
    EXPECT_FALSE(differences->isVisible());

    dialogs().answerOpenFile(files.filePath("all.nvc"));
    dialogs().answerQuestion(true);
    window->Writeall->trigger();
    ASSERT_TRUE(link().Operation.busy());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &escape);
    Settle(link());
    EXPECT_FALSE(link().Operation.busy());
    EXPECT_EQ(dialogs().messages().back().toStdString(),
              "Cancelled while programming: 0 of 39 reports were sent, 0 of 226 values confirmed "
              "by the unit.");
    EXPECT_TRUE(app->cloneHandover().path.isEmpty());  // the fast setup is for a file it holds
}
