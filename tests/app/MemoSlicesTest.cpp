// The memo written in slices: the same lines as one Add per line, the
// window's events between the slices, and a view that catches up once.
#include "AppTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Line i of a test text: its number, and every few lines a break or a frame
// mark that the memo shows as a sign.
std::u16string TestLine(int i)
{
    std::u16string s = QString::number(i).toStdU16String();
    if (i % 7 == 3)
        s += u"a\nb\r\u2029";
    return s;
}

// The memo's text line by line, through the document.
QStringList Blocks(const QPlainTextEdit& memo)
{
    QStringList lines;
    for (QTextBlock b = memo.document()->begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

} // namespace

class MemoSlicesTest : public QObject {
    Q_OBJECT
private slots:
    void slicesMakeTheSameLines_data();
    void slicesMakeTheSameLines();
    void batchCatchesUpOnce();
    void batchGivesTheViewBackWithoutCatchUp();
    void batchLeavesTheScrollBarsAsTheyWouldBe();
    void addLaysOutNoLine();
    void everyLineIsOneRow_data();
    void everyLineIsOneRow();
    void clearHandsEventsThrough();
    void clearedLikeQtsClear();
};

void MemoSlicesTest::slicesMakeTheSameLines_data()
{
    // How many lines go in, whether the memo held lines before, and how
    // often the window's events run: between slices, never after the last.
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<int>("pumps");
    const int s = TMemoLines::SliceLines;
    QTest::newRow("none") << 0 << false << 0;
    QTest::newRow("one into an empty memo") << 1 << false << 0;
    QTest::newRow("one slice") << s << false << 0;
    QTest::newRow("one more than a slice") << s + 1 << false << 1;
    QTest::newRow("two slices and a bit, after lines") << 2 * s + 3 << true << 2;
    QTest::newRow("three whole slices, after lines") << 3 * s << true << 2;
}

void MemoSlicesTest::slicesMakeTheSameLines()
{
    QFETCH(int, count);
    QFETCH(bool, filled);
    QFETCH(int, pumps);
    QPlainTextEdit sliced, single;
    for (QPlainTextEdit* memo : {&sliced, &single})
        memo->setPlainText(filled ? "first\nsecond" : "");
    TMemoLines slicedLines(sliced), singleLines(single);

    int pumped = 0;
    slicedLines.AddLines(
        count, [](int i, std::u16string& out) { out += TestLine(i); }, [&] { ++pumped; });
    for (int i = 0; i < count; ++i)
        singleLines.Add(UnicodeString(TestLine(i)));

    QCOMPARE(pumped, pumps);
    QCOMPARE(slicedLines.Count(), (filled ? 2 : 0) + count);
    QCOMPARE(Blocks(sliced), Blocks(single));
    if (count > 3)
        QCOMPARE(slicedLines.Get((filled ? 2 : 0) + 3), UnicodeString(u"3a\u2193b\u2190\u00B6"));
}

void MemoSlicesTest::batchCatchesUpOnce()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QPlainTextEdit& memo = *form.ResultMemo;
    TMemoLines lines(memo);
    const QString before = memo.toPlainText();
    const int startWidth = memo.horizontalScrollBar()->maximum();
    const int count = 3 * TMemoLines::SliceLines;
    int pumped = 0;
    {
        TMemoLines::Batch batch(lines);
        lines.AddLines(
            count, [](int i, std::u16string& out) { out += TestLine(i); }, [] {});
        lines.Add(UnicodeString(std::u16string(100000, u'x')));
        // The view has laid none of them out yet; the vertical scroll bar
        // counts them, so that the wheel can move the view meanwhile.
        QCOMPARE(memo.horizontalScrollBar()->maximum(), startWidth);
        QCOMPARE(memo.verticalScrollBar()->maximum() + memo.verticalScrollBar()->pageStep(), lines.Count());
        // The window's events come before each line, the first before any.
        bool laidOutBeforeFirstPump = true;
        batch.CatchUp([&] {
            if (pumped++ == 0)
                laidOutBeforeFirstPump = memo.document()->lastBlock().previous().layout()->lineCount() > 0;
        });
        QVERIFY(!laidOutBeforeFirstPump);
        // It has now: the scroll bar reaches the last line.
        QCOMPARE(memo.verticalScrollBar()->maximum() + memo.verticalScrollBar()->pageStep(), lines.Count());
    }
    // One pump before every line laid out at the foot of the memo.
    QVERIFY(pumped > 0);
    QVERIFY(pumped < 100);
    QCOMPARE(lines.Count(), 18 + count + 1);
    QVERIFY(memo.toPlainText().startsWith(before + "\n0\n1\n2\n3a"));
    // The memo's view takes changes again at once.
    memo.appendPlainText("after");
    QCOMPARE(memo.verticalScrollBar()->maximum() + memo.verticalScrollBar()->pageStep(), lines.Count());
}

void MemoSlicesTest::batchGivesTheViewBackWithoutCatchUp()
{
    // As when the render ends by an exception: the batch ends unfinished.
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QPlainTextEdit& memo = *form.ResultMemo;
    TMemoLines lines(memo);
    {
        TMemoLines::Batch batch(lines);
        lines.AddLines(
            500, [](int i, std::u16string& out) { out += TestLine(i); }, [] {});
    }
    QCOMPARE(memo.verticalScrollBar()->maximum() + memo.verticalScrollBar()->pageStep(), lines.Count());
    QVERIFY(!memo.document()->documentLayout()->signalsBlocked());
}

void MemoSlicesTest::batchLeavesTheScrollBarsAsTheyWouldBe()
{
    // The same adds with and without a batch: a listing, a long line and
    // short lines after it, so that the long line is no longer at the foot.
    TForm1 batched, plain;
    for (TForm1* form : {&batched, &plain}) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->ResultMemo->clear();
    }
    auto write = [](TMemoLines& lines) {
        lines.AddLines(
            300, [](int i, std::u16string& out) { out += TestLine(i); }, [] {});
        lines.Add(UnicodeString(std::u16string(3000, u'w')));
        lines.Add(UnicodeString(" "));
        lines.AddStrings(std::vector<UnicodeString>(100, UnicodeString("1 bold 00")), [] {});
    };
    TMemoLines batchedLines(*batched.ResultMemo), plainLines(*plain.ResultMemo);
    {
        TMemoLines::Batch batch(batchedLines);
        write(batchedLines);
        batch.CatchUp([] {});
    }
    write(plainLines);
    for (auto bar : {&QAbstractScrollArea::horizontalScrollBar, &QAbstractScrollArea::verticalScrollBar}) {
        QCOMPARE((batched.ResultMemo->*bar)()->maximum(), (plain.ResultMemo->*bar)()->maximum());
        QCOMPARE((batched.ResultMemo->*bar)()->pageStep(), (plain.ResultMemo->*bar)()->pageStep());
    }
    QVERIFY(batched.ResultMemo->horizontalScrollBar()->maximum() > 1000);
}

void MemoSlicesTest::addLaysOutNoLine()
{
    // Inside a batch nothing lays out the lines as they come: an add goes in
    // inside an edit block, where the cursor does not lay out the line it
    // ends on to find its x. A cursor without the block does.
    const QString longLine(5000, u'x');
    QPlainTextEdit memo;
    TMemoLines lines(memo);
    lines.Add("first");
    const TMemoLines::Batch batch(lines);
    lines.Add(FromQString(longLine));
    QCOMPARE(memo.document()->lastBlock().text(), longLine);
    QCOMPARE(memo.document()->lastBlock().layout()->lineCount(), 0);
    QTextCursor cursor(memo.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText("\n" + longLine);
    QVERIFY(memo.document()->lastBlock().layout()->lineCount() > 0);
}

void MemoSlicesTest::everyLineIsOneRow_data()
{
    // A line holding what the memo's control would break at, and the line
    // as the memo shows it: one sign per break.
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("shown");
    QTest::newRow("LF and CR") << "a\nb\rc" << QString::fromStdU16String(u"a\u2193b\u2190c");
    QTest::newRow("paragraph separator") << QString::fromStdU16String(u"a\u2029b")
                                         << QString::fromStdU16String(u"a\u00B6b");
    QTest::newRow("line separator") << QString::fromStdU16String(u"a\u2028b") << QString::fromStdU16String(u"a\u21B5b");
    QTest::newRow("frame marks") << QString::fromStdU16String(u"\uFDD0\uFDD1")
                                 << QString::fromStdU16String(u"\u27E6\u27E7");
    QTest::newRow("458,752 line separators") << QString(458752, QChar(0x2028)) << QString(458752, QChar(0x21B5));
}

void MemoSlicesTest::everyLineIsOneRow()
{
    QFETCH(QString, line);
    QFETCH(QString, shown);
    QPlainTextEdit memo;
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.resize(400, 200);
    memo.show();
    TMemoLines lines(memo);
    lines.Add(FromQString(line));
    lines.Add("next");
    QCOMPARE(lines.Count(), 2);
    QCOMPARE(lines.Get(0), FromQString(shown));
    const QTextBlock b = memo.document()->firstBlock();
    memo.document()->documentLayout()->blockBoundingRect(b);
    QCOMPARE(b.layout()->lineCount(), 1);
}

void MemoSlicesTest::clearHandsEventsThrough()
{
    // A memo of a few slices more than Clear empties at once: empty as soon
    // as Clear returns, while its old lines go a slice at a time, with the
    // window's events between the slices.
    QPlainTextEdit memo;
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    memo.resize(400, 200);
    memo.show();
    TMemoLines lines(memo);
    const int count = TMemoLines::ClearAtOnceBelow + 3 * TMemoLines::ClearSliceLines + 5;
    lines.AddLines(count, [](int i, std::u16string& out) { out += TestLine(i); }, {});
    const QPointer<QTextDocument> old = memo.document();
    lines.Clear();
    QCOMPARE(lines.Count(), 0);
    QVERIFY(memo.document()->isEmpty());
    QVERIFY(old);

    // A zero timer started after Clear sees each slice go, one at a time.
    std::vector<int> seen{old->blockCount()};
    QTimer events;
    int undoSteps = 0;
    int laidOut = 0;
    QObject::connect(&events, &QTimer::timeout, [&] {
        if (!old)
            return;
        seen.push_back(old->blockCount());
        undoSteps = std::max(undoSteps, old->availableUndoSteps());
        laidOut += old->lastBlock().layout()->lineCount() > 0;
    });
    events.start(0);
    QTRY_VERIFY_WITH_TIMEOUT(!old, 60000);
    // The removed lines are not kept for an undo, and no slice lays out
    // the line it leaves last.
    QCOMPARE(undoSteps, 0);
    QCOMPARE(laidOut, 0);
    QVERIFY2(seen.size() > std::size_t(count / TMemoLines::ClearSliceLines), qPrintable(QString::number(seen.size())));
    for (std::size_t i = 1; i < seen.size(); ++i)
        QVERIFY2(seen[i - 1] - seen[i] <= TMemoLines::ClearSliceLines,
                 qPrintable(QString("%1 lines, then %2").arg(seen[i - 1]).arg(seen[i])));
    // The memo goes on as before.
    lines.Add("after");
    QCOMPARE(lines.Count(), 1);
    QCOMPARE(lines.Get(0), UnicodeString("after"));
}

void MemoSlicesTest::clearedLikeQtsClear()
{
    // Two windows as start-up builds them, their memos scrolled to the foot
    // of the same long text; one emptied by Clear, in slices, the other by
    // QPlainTextEdit::clear. Both then take the same lines and show them
    // alike.
    at::StartedWindow sliced, qts;
    const int count = TMemoLines::ClearAtOnceBelow + 10;
    for (at::StartedWindow* w : {&sliced, &qts}) {
        TForm1& form = w->Form();
        form.show();
        TMemoLines memo(*form.ResultMemo);
        memo.AddLines(count, [](int i, std::u16string& out) { out += TestLine(i); }, {});
        form.ResultMemo->verticalScrollBar()->setValue(form.ResultMemo->verticalScrollBar()->maximum());
        form.ResultMemo->horizontalScrollBar()->setValue(form.ResultMemo->horizontalScrollBar()->maximum());
        QCoreApplication::processEvents();
    }
    TMemoLines(*sliced.Form().ResultMemo).Clear();
    qts.Form().ResultMemo->clear();
    for (at::StartedWindow* w : {&sliced, &qts}) {
        TMemoLines memo(*w->Form().ResultMemo);
        for (int i = 0; i < 40; ++i)
            memo.Add(UnicodeString(TestLine(i)));
        QCoreApplication::processEvents();
    }
    const QPlainTextEdit& a = *sliced.Form().ResultMemo;
    const QPlainTextEdit& b = *qts.Form().ResultMemo;
    QCOMPARE(Blocks(a), Blocks(b));
    QCOMPARE(a.document()->isUndoRedoEnabled(), b.document()->isUndoRedoEnabled());
    QCOMPARE(a.document()->defaultFont(), b.document()->defaultFont());
    QCOMPARE(a.document()->documentMargin(), b.document()->documentMargin());
    QCOMPARE(a.document()->defaultTextOption().wrapMode(), b.document()->defaultTextOption().wrapMode());
    QCOMPARE(a.textCursor().position(), b.textCursor().position());
    QCOMPARE(a.verticalScrollBar()->value(), b.verticalScrollBar()->value());
    QCOMPARE(a.verticalScrollBar()->maximum(), b.verticalScrollBar()->maximum());
    QCOMPARE(a.horizontalScrollBar()->value(), b.horizontalScrollBar()->value());
    QCOMPARE(a.horizontalScrollBar()->maximum(), b.horizontalScrollBar()->maximum());
    QCOMPARE(const_cast<QPlainTextEdit&>(a).grab().toImage(), const_cast<QPlainTextEdit&>(b).grab().toImage());
    // Typed into, both memos take the keys alike, and undo nothing.
    for (QPlainTextEdit* m : {sliced.Form().ResultMemo, qts.Form().ResultMemo}) {
        QTest::keyClicks(m, "typed");
        QTest::keyClick(m, Qt::Key_Z, Qt::ControlModifier);
    }
    QCOMPARE(Blocks(a), Blocks(b));
}

QTEST_MAIN(MemoSlicesTest)
#include "MemoSlicesTest.moc"
