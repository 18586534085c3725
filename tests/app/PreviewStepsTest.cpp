// The preview's cheaper steps for long lines: several attributes in one
// change, the window's events during the apply loop, glyphs kept for the
// last line only, and painting held back while a line is formatted.
#include "PreviewRender.h"
#include "RenderTestSupport.h"

#include <QTest>
#include <QTextLayout>

#include <functional>

using namespace rt;

namespace {

// A preview holding "earlier" and a line whose characters already differ:
// large, bold, red and italic runs that the changes below cut across.
void Prepare(TRichEdit& edit)
{
    edit.LinesAdd("earlier");
    edit.LinesAdd("abcdefghijklmnop");
    const int at = 8;
    auto select = [&](int from, int count) {
        edit.SetSelStart(at + from);
        edit.SetSelLength(count);
    };
    select(0, 3);
    edit.SetSelSize(20);
    select(2, 4);
    edit.SetSelStyleOn(fsBold, true);
    select(5, 4);
    edit.SetSelColor(ColorFromTColor(0x0000FF));
    select(8, 6);
    edit.SetSelStyleOn(fsItalic, true);
}

// Every character's whole format, compared one by one.
void CompareFormats(const TRichEdit& a, const TRichEdit& b)
{
    QCOMPARE(a.document()->characterCount(), b.document()->characterCount());
    for (int p = 0; p < a.document()->characterCount() - 1; ++p)
        if (FormatAt(a, p) != FormatAt(b, p))
            QFAIL(qPrintable(QString("the formats differ at %1").arg(p)));
}

} // namespace

class PreviewStepsTest : public QObject {
    Q_OBJECT
private slots:
    void oneChangeIsTheStepsInTurn_data();
    void oneChangeIsTheStepsInTurn();
    void applyLoopLetsEventsThrough_data();
    void applyLoopLetsEventsThrough();
    void onlyTheLastLineKeepsItsGlyphs();
    void paintHoldGivesPaintingBack();
};

void PreviewStepsTest::oneChangeIsTheStepsInTurn_data()
{
    // The change, and the selection it is made on (from, count in the line).
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("points");
    QTest::addColumn<uint>("on");
    QTest::addColumn<uint>("off");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("count");
    const QColor green = ColorFromTColor(0x008000);
    const uint all = fsBold | fsItalic | fsUnderline | fsStrikeOut;
    QTest::newRow("colour") << green << 0 << 0u << 0u << 1 << 10;
    QTest::newRow("size") << QColor() << 14 << 0u << 0u << 1 << 10;
    QTest::newRow("colour and size") << green << 14 << 0u << 0u << 0 << 16;
    QTest::newRow("two styles on") << QColor() << 0 << uint(fsBold | fsUnderline) << 0u << 3 << 9;
    QTest::newRow("every style off") << QColor() << 0 << 0u << all << 0 << 16;
    QTest::newRow("colour, size, every style off") << green << 14 << 0u << all << 4 << 12;
    QTest::newRow("body: the font's style, colour and size")
        << green << 14 << uint(fsItalic) << (all & ~uint(fsItalic)) << 2 << 14;
    QTest::newRow("past the end") << green << 14 << uint(fsBold) << 0u << 10 << 100;
    QTest::newRow("nothing selected") << green << 14 << uint(fsBold) << 0u << 5 << 0;
    QTest::newRow("nothing to change") << QColor() << 0 << 0u << 0u << 0 << 16;
}

void PreviewStepsTest::oneChangeIsTheStepsInTurn()
{
    QFETCH(QColor, color);
    QFETCH(int, points);
    QFETCH(uint, on);
    QFETCH(uint, off);
    QFETCH(int, from);
    QFETCH(int, count);
    TRichEdit once, steps;
    for (TRichEdit* edit : {&once, &steps}) {
        Prepare(*edit);
        edit->SetSelStart(8 + from);
        edit->SetSelLength(count);
    }
    once.SetSelAttributes(color, points, on, off);
    if (color.isValid())
        steps.SetSelColor(color);
    steps.SetSelSize(points);
    for (TFontStyle s : {fsBold, fsItalic, fsUnderline, fsStrikeOut}) {
        if (on & s)
            steps.SetSelStyleOn(s, true);
        if (off & s)
            steps.SetSelStyleOn(s, false);
    }
    CompareFormats(once, steps);
}

void PreviewStepsTest::applyLoopLetsEventsThrough_data()
{
    // Entries in the list, and how often the window's events run: after
    // every PumpEntries entries, never before the first nor after the last.
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("pumps");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("fewer than a slice") << PumpEntries - 1 << 0;
    QTest::newRow("one slice") << PumpEntries << 0;
    QTest::newRow("one more") << PumpEntries + 1 << 1;
    QTest::newRow("three slices and a bit") << 3 * PumpEntries + 5 << 3;
}

void PreviewStepsTest::applyLoopLetsEventsThrough()
{
    QFETCH(int, entries);
    QFETCH(int, pumps);
    // Runs of every kind over a 64-unit line.
    const QStringList names{"bold",   "clRed",       "clUnderline", "clWhite", "clItalic", "clNoStyle",
                            "clBlue", "clStrikeout", "clTerminate", "clGrey",  "clNoColor"};
    QStringList list;
    for (int i = 0; i < entries; ++i)
        list << QString("%1 %2 %3")
                    .arg(1 + i % 60)
                    .arg(names[i % names.size()])
                    .arg(i % 5 == 0 ? "00" : QString::number(4 + i % 60));
    const UnicodeString line(std::u16string(64, u'x'));

    TRichEdit pumped, plain;
    TStringList entryList;
    Fill(entryList, list);
    int calls = 0;
    StyleToggles a, b;
    for (TRichEdit* edit : {&pumped, &plain})
        edit->LinesAdd(line);
    ApplyFormatList(pumped, entryList, line, 0, TPreviewLook::Of(pumped, true), a, [&] { ++calls; });
    ApplyFormatList(plain, entryList, line, 0, TPreviewLook::Of(plain, true), b);
    QCOMPARE(calls, pumps);
    CompareFormats(pumped, plain);
    QCOMPARE(pumped.SelStart(), plain.SelStart());
    QCOMPARE(pumped.SelLength(), plain.SelLength());
}

void PreviewStepsTest::onlyTheLastLineKeepsItsGlyphs()
{
    // Kept glyphs cost memory as long as the line lives; the preview only
    // grows, so only the line just added may keep them.
    TRichEdit edit;
    for (const char* line : {"one", "two", "three"}) {
        edit.LinesAdd(line);
        QTextDocument& doc = *edit.document();
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            QCOMPARE(b.layout()->cacheEnabled(), b == doc.lastBlock());
    }
}

void PreviewStepsTest::paintHoldGivesPaintingBack()
{
    TRichEdit edit;
    QWidget& view = *edit.viewport();
    {
        const TRichEdit::PaintHold hold(edit);
        QVERIFY(!view.updatesEnabled());
        {
            const TRichEdit::PaintHold inner(edit);
            QVERIFY(!view.updatesEnabled());
        }
        QVERIFY(!view.updatesEnabled());
    }
    QVERIFY(view.updatesEnabled());
}

QTEST_MAIN(PreviewStepsTest)
#include "PreviewStepsTest.moc"
