// Start-up: names and icon, the visual style (and its absence), the look
// of the styled window, the failure handlers and the message pump.
#include "StartUp.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "ErrorBox.h"
#include "Exception.h"
#include "Pump.h"
#include "RichEdit.h"
#include "StyleManager.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPlainTextEdit>
#include <QTest>

#include <new>
#include <stdexcept>

using namespace at;

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void namesAndIcon();
    void missingStyleDoesNotStopStartUp();
    void styleApplied();
    void styledWindowKeepsOwnColours();
    void guardedRun_data();
    void guardedRun();
    void pumpThrottles();
    void pumpInstaller();
};

void StartUpTest::namesAndIcon()
{
    InitializeApplication();
    QCOMPARE(QApplication::applicationName(), QString("Tarvexa1"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral(TINTLINE_VERSION));
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int s : {16, 24, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
}

void StartUpTest::missingStyleDoesNotStopStartUp()
{
    qApp->setStyleSheet(QString());
    QVERIFY(!TStyleManager::TrySetStyle("No Such Style"));
    QVERIFY(qApp->styleSheet().isEmpty());
    {
        TMainFormHolder main("No Such Style");
        QCOMPARE(Form1, &main.Form());
        QCOMPARE(MemoTexts(main.Form()).size(), 18);
    }
    QCOMPARE(Form1, nullptr);
}

void StartUpTest::styleApplied()
{
    QVERIFY(TStyleManager::TrySetStyle(AppStyleName));
    QVERIFY(qApp->styleSheet().contains("#Form1"));
}

void StartUpTest::styledWindowKeepsOwnColours()
{
    InitializeApplication();
    TMainFormHolder main;
    TForm1& form = main.Form();
    form.show();
    const QImage shot = form.grab().toImage();
    auto pixel = [&](QWidget* w, int x, int y) { return QColor(shot.pixel(w->geometry().topLeft() + QPoint(x, y))); };
    // Inside the memo, right of its text; inside the empty preview.
    QCOMPARE(pixel(form.ResultMemo, 400, 60), QColor(191, 205, 219));
    QCOMPARE(pixel(form.TestRTF, 300, 20), QColor(0, 0, 0x40));
    // The window itself takes its look from the style.
    const QColor face = QColor(shot.pixel(300, 55));
    QVERIFY2(face != QColor(240, 240, 240), qPrintable(face.name()));
    QCOMPARE(face, QColor(0x1f, 0x22, 0x28));
    QCOMPARE(form.ResultMemo->font().family(), QString("Courier New"));
    QCOMPARE(form.TestRTF->font().family(), QString("Segoe UI Symbol"));
    QCOMPARE(form.TestRTF->FontColor(), QColor(255, 255, 255));

    // The preview's colours still show when a command changes them.
    form.LightBackground1->trigger();
    QImage light = form.grab().toImage();
    QCOMPARE(QColor(light.pixel(form.TestRTF->geometry().topLeft() + QPoint(300, 20))), QColor(255, 255, 255));
    form.DarkBackground1->trigger();
    QImage dark = form.grab().toImage();
    QCOMPARE(QColor(dark.pixel(form.TestRTF->geometry().topLeft() + QPoint(300, 20))), QColor(0, 0, 0x40));
}

void StartUpTest::guardedRun_data()
{
    // What the body throws, whether it completes and what the error box says.
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("completes");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing thrown") << 0 << true << QStringList{};
    QTest::newRow("Exception") << 1 << false << QStringList{"boom"};
    QTest::newRow("conversion error") << 2 << false << QStringList{"'x' is not a valid integer value"};
    QTest::newRow("Exception without a message") << 3 << false << QStringList{""};
    QTest::newRow("std exception") << 4 << false << QStringList{"not ours"};
    QTest::newRow("std exception without a message") << 5 << false << QStringList{"Unknown error"};
    QTest::newRow("allocation failure") << 6 << false << QStringList{"Out of memory"};
    QTest::newRow("array too long") << 7 << false << QStringList{"Out of memory"};
    QTest::newRow("int") << 8 << false << QStringList{"Unknown error"};
    QTest::newRow("text") << 9 << false << QStringList{"Unknown error"};
}

void StartUpTest::guardedRun()
{
    QFETCH(int, kind);
    QFETCH(bool, completes);
    QFETCH(QStringList, shown);
    QStringList messages;
    const TExceptionSink old = SetExceptionSink([&](const QString& m) { messages << m; });
    const bool done = RunGuarded([&] {
        switch (kind) {
        case 1: throw Exception("boom");
        case 2: UnicodeString("x").ToInt(); break;
        case 3: throw Exception("");
        case 4: throw std::runtime_error("not ours");
        case 5: throw std::runtime_error("");
        case 6: throw std::bad_alloc();
        case 7: throw std::bad_array_new_length();
        case 8: throw 42;
        case 9: throw "text";
        default: break;
        }
    });
    SetExceptionSink(old);
    QCOMPARE(done, completes);
    QCOMPARE(messages, shown);
}

void StartUpTest::pumpThrottles()
{
    using namespace std::chrono;
    steady_clock::time_point now{};
    int pumps = 0;
    TThrottledPump pump(
        milliseconds(5), [&] { ++pumps; }, [&] { return now; });
    const int at_ms[] = {0, 4, 5, 6, 9, 11, 11, 30};
    const int expected[] = {0, 0, 1, 1, 1, 2, 2, 3};
    for (int i = 0; i < 8; ++i) {
        now = steady_clock::time_point{} + milliseconds(at_ms[i]);
        pump();
        QCOMPARE(pumps, expected[i]);
    }
}

void StartUpTest::pumpInstaller()
{
    int outer = 0, inner = 0;
    TPumpHookGuard a([&] { ++outer; });
    {
        TPumpHookGuard b([&] { ++inner; });
        Application->ProcessMessages();
    }
    Application->ProcessMessages();
    QCOMPARE(inner, 1);
    QCOMPARE(outer, 1);
    // The Qt pump runs pending events without blocking.
    TPumpHookGuard qt(QtEventPump());
    for (int i = 0; i < 1000; ++i)
        Application->ProcessMessages();
}

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
