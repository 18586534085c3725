// The window under hard input: a megabyte pasted line, and lines holding
// breaks, NUL, lone surrogates and characters outside the basic plane.
#include "AppTestSupport.h"
#include "Application.h"
#include "Pump.h"
#include "RenderTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPair>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <random>
#include <utility>

using namespace at;

class StressTest : public QObject {
    Q_OBJECT
private slots:
    void oddLinesKeepEveryCharacter();
    void megabyteLineKeepsTheWindowAlive();
    void linesOfBreaksRenderToTheirEnd_data();
    void linesOfBreaksRenderToTheirEnd();
};

void StressTest::oddLinesKeepEveryCharacter()
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString line =
        Q({"a", u'\r', u'\x02', "b", u'\n', u'\x03', "04c", u'\u2028', "d", u'\x1F', u'\0', "e", u'\xD800', "f"})
        + emoji + Q({u'\x02', "g", u'\u2029', "h"});
    TForm1 form;
    form.IRCEdit->setText(line);
    QCOMPARE(form.IRCEdit->text(), line);
    form.Button2->click();

    // One listing line per unit, in order.
    const QStringList memo = MemoTexts(form);
    for (int i = 0; i < line.size(); ++i)
        QVERIFY2(memo[2 + i].startsWith(QString("%1) Char: ").arg(i + 1, 2, 10, QChar('0'))), qPrintable(memo[2 + i]));

    QCOMPARE(MemoTexts(form).filter(QRegularExpression("^\\d+ \\S+ \\S+$")),
             (QStringList{"3 bold 18", "5 clRed 00", "8 clUnderline 00", "14 bold 00"}));

    // The preview holds every character of the cleaned line as one line;
    // breaks inside it show as signs.
    const QString cleaned = Q({"a", u'\u2190', "b", u'\u2193', "c", u'\u21B5', "d", u'\0', "e", u'\xD800', "f"}) + emoji
                            + Q({"g", u'\u00B6', "h"});
    QCOMPARE(form.TestRTF->LinesCount(), 1);
    QCOMPARE(rt::StoredText(*form.TestRTF), cleaned);

    // Each run lands on its characters: bold 3..13, red 5..16, underline 8..16.
    const TRichEdit& rtf = *form.TestRTF;
    QCOMPARE(rt::StyleMap(rtf, 0, 16, fsBold), QString("0011111111111000"));
    QCOMPARE(rt::ColorMap(rtf, 0, 16), QString("ffffrrrrrrrrrrrr"));
    QCOMPARE(rt::StyleMap(rtf, 0, 16, fsUnderline), QString("0000000111111111"));
}

namespace {

// The steps of a render, told apart by what the window shows.
enum class Phase { Listing, PassesAndScan, Log, Formatting };

QString PhaseNames(const QSet<Phase>& phases)
{
    QStringList names;
    for (auto [phase, name] : {std::pair{Phase::Listing, "listing"}, std::pair{Phase::PassesAndScan, "passes and scan"},
                               std::pair{Phase::Log, "log"}, std::pair{Phase::Formatting, "formatting"}})
        if (phases.contains(phase))
            names << name;
    return names.join(", ");
}

} // namespace

void StressTest::megabyteLineKeepsTheWindowAlive()
{
    // A pasted megabyte of coded chat.
    std::mt19937 rng(1);
    const std::u16string alphabet = u"\x02\x03\x03\x0F\x1D\x1E\x1F\x04\x0C\u00160123456789,,, abcdefgh";
    QString line;
    line.reserve(1 << 20);
    while (line.size() < (1 << 20))
        line += QChar(alphabet[rng() % alphabet.size()]);
    const int n = static_cast<int>(line.size());

    TForm1 form;
    form.show();
    const TPumpHookGuard pump(QtEventPump());
    form.IRCEdit->setText(line);

    // A timer of 0 ms fires whenever the window handles its events. Each
    // tick during the click notes the step of the render that the memo and
    // the preview show, so a step that never lets events through has no
    // tick. The listing fills the memo up to n + 5 lines; while the passes
    // and the scan run it holds n + 5 to n + 11 lines ("Pass1: " to
    // "Color & Style Scan:" and " "); the log follows from "Line after
    // ColorParser: " on; then the line is in the preview, whose selection
    // walks from run to run while they are formatted: seen on two runs, the
    // formatting let events through before its end.
    bool clicking = false;
    QSet<Phase> seen;
    QSet<QPair<int, int>> runs;
    QTimer timer;
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, [&] {
        if (!clicking)
            return;
        const int memo = form.ResultMemo->document()->blockCount();
        if (form.TestRTF->LinesCount() > 0) {
            if (form.TestRTF->SelLength() > 0)
                runs << qMakePair(form.TestRTF->SelStart(), form.TestRTF->SelLength());
            if (runs.size() > 1)
                seen << Phase::Formatting;
        } else if (memo < n + 5) {
            seen << Phase::Listing;
        } else if (memo < n + 12) {
            seen << Phase::PassesAndScan;
        } else {
            seen << Phase::Log;
        }
    });
    timer.start();
    clicking = true;
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    clicking = false;
    timer.stop();

    QCOMPARE(PhaseNames(seen), PhaseNames({Phase::Listing, Phase::PassesAndScan, Phase::Log, Phase::Formatting}));
    QVERIFY(form.Button2->isEnabled());
    QCOMPARE(form.TestRTF->LinesCount(), 1);
    const QStringList memo = MemoTexts(form);
    QCOMPARE(memo[2 + n], QString(" "));
    QCOMPARE(memo[2 + n + 1], QString("Section RTF Parser: "));
    QVERIFY(memo.contains("Format List:"));
    // The memo's scroll bar reaches its last line once the render is done.
    QCOMPARE(form.ResultMemo->verticalScrollBar()->maximum() + form.ResultMemo->verticalScrollBar()->pageStep(),
             memo.size());
}

void StressTest::linesOfBreaksRenderToTheirEnd_data()
{
    QTest::addColumn<QString>("line");
    const auto times = [](const QString& s, int n) { return s.repeated(n); };
    QTest::newRow("458,752 U+2029") << times(QString(QChar(0x2029)), 458752);
    QTest::newRow("1 Mi LF") << times("\n", 1 << 20);
    QTest::newRow("1 Mi CR LF") << times("\r\n", 1 << 20);
    QString every;
    for (int u = 0; u <= 0xFFFF; ++u)
        every += QChar(char16_t(u));
    QTest::newRow("every unit in order") << every;
}

void StressTest::linesOfBreaksRenderToTheirEnd()
{
    // Qt's layout would place a row per break, and cannot beyond 2^23
    // pixels: the render must end with the line in the preview as one row,
    // the window answering on the way.
    QFETCH(QString, line);
    TForm1 form;
    form.show();
    const TPumpHookGuard pump(QtEventPump());
    form.IRCEdit->setText(line);
    int ticks = 0;
    QTimer timer;
    timer.setInterval(0);
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    timer.stop();

    QVERIFY(ticks > 0);
    QVERIFY(form.Button2->isEnabled());
    QCOMPARE(form.IRCEdit->text(), line);
    const QStringList memo = MemoTexts(form);
    const QString caption = "Line after ColorParser: ";
    QStringList cleaned;
    for (const QString& m : memo)
        if (m.startsWith(caption))
            cleaned << m;
    QCOMPARE(cleaned.size(), 1);
    TRichEdit& rtf = *form.TestRTF;
    QCOMPARE(rtf.LinesCount(), 1);
    QCOMPARE(rtf.TextLength(), cleaned[0].size() - caption.size() + 2);
    QCOMPARE(rtf.document()->firstBlock().text(), cleaned[0].mid(caption.size()));
    QVERIFY(rtf.document()->documentLayout()->documentSize().height() < 100);
    QCOMPARE(rtf.document()->firstBlock().layout()->lineCount(), 1);
}

QTEST_MAIN(StressTest)
#include "StressTest.moc"
