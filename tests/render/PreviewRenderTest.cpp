// The painting of a line: its three regions, the apply loop and AutoColor.
#include "PreviewRender.h"
#include "RenderTestSupport.h"

#include <QtTest>

using namespace rt;

namespace {

// Appends the line (when not empty) after an earlier one (when not empty)
// and returns the preview position where it starts.
int Append(TRichEdit& rtf, const UnicodeString& earlier, const UnicodeString& line)
{
    if (!earlier.IsEmpty())
        AppendLine(rtf, earlier);
    const int offset = rtf.TextLength() - rtf.LinesCount();
    if (!line.IsEmpty())
        AppendLine(rtf, line);
    return offset;
}

TPreviewLook Look(const FakeView& view) { return TPreviewLook::Of(view.preview, view.colortype); }

void PaintRegions(FakeView& view, const UnicodeString& line, int offset)
{
    PaintLeadRegion(view.preview, line, offset, view.NBL, Look(view));
    PaintBracketRegion(view.preview, line, offset, view.NBL, view.NBR, Look(view));
    PaintBodyRegion(view.preview, line, offset, view.NBR, Look(view));
}

UnicodeString Repeat(const char* s, int n)
{
    UnicodeString out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

} // namespace

class PreviewRenderTest : public QObject {
    Q_OBJECT
private slots:
    void regions_data()
    {
        QTest::addColumn<UnicodeString>("earlier");
        QTest::addColumn<UnicodeString>("line");
        QTest::addColumn<QString>("colors");

        // Lead 1..6, bracket 7..12 (the bullet through ">"), body 13..20 from the blank on.
        const UnicodeString twenty = T({"abcdef"}) + Bullet + T({"wxyz> bodyabc"});
        const UnicodeString earlier39 = Repeat("x", 39);
        // clang-format off
        QTest::newRow("three regions at 0") << T({}) << twenty << "bbbbbbrrrrrrffffffff";
        QTest::newRow("three regions at 40") << earlier39 << twenty << "bbbbbbrrrrrrffffffff";
        QTest::newRow("line begins with the lead marker") << earlier39 << Bullet + T({"ab> cd"}) << "rrrrfff";
        QTest::newRow("neither marker at 0") << T({}) << T({"hello"}) << "fffff";
        QTest::newRow("neither marker at 40") << earlier39 << T({"hello"}) << "fffff";
        QTest::newRow("bracket marker only") << earlier39 << T({"abc> xyz"}) << "rrrrffff";
        QTest::newRow("bracket marker before lead marker")
            << earlier39 << T({"a> b"}) + Bullet + T({"c"}) << "bbffff";
        QTest::newRow("bracket marker without blank") << T({}) << T({"ab>c"}) << "ffff";
        QTest::newRow("lead marker last") << T({"x"}) << T({"abc"}) + Bullet << "ffff";
        // clang-format on
    }
    void regions()
    {
        QFETCH(UnicodeString, earlier);
        QFETCH(UnicodeString, line);
        FakeView view;
        const int offset = Append(view.preview, earlier, line);
        QCOMPARE(offset, earlier.IsEmpty() ? 0 : earlier.Length() + 1);
        PaintRegions(view, line, offset);
        QTEST(ColorMap(view.preview, offset, line.Length()), "colors");
        QCOMPARE(SizeMap(view.preview, offset, line.Length()), QStringList(line.Length(), "12").join(','));
        // The earlier line keeps its look.
        QCOMPARE(ColorMap(view.preview, 0, earlier.Length()), QString(earlier.Length(), '-'));
    }

    // Lead and bracket carry no styles; the body takes the preview font's.
    void regionStyles()
    {
        FakeView view;
        QFont f = view.preview.font();
        f.setBold(true);
        f.setStrikeOut(true);
        view.preview.setFont(f);
        const UnicodeString line = T({"ab"}) + Bullet + T({"c> de"});
        const int offset = Append(view.preview, T({"x"}), line);
        PaintRegions(view, line, offset);
        QCOMPARE(StyleMap(view.preview, offset, 8, fsBold), QString("00000111"));
        QCOMPARE(StyleMap(view.preview, offset, 8, fsStrikeOut), QString("00000111"));
        QCOMPARE(StyleMap(view.preview, offset, 8, fsItalic), QString("00000000"));
    }

    void apply_data()
    {
        QTest::addColumn<UnicodeString>("earlier");
        QTest::addColumn<UnicodeString>("line");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("colors");    // empty: not checked
        QTest::addColumn<QString>("bold");      // empty: not checked
        QTest::addColumn<QString>("italic");    // empty: not checked
        QTest::addColumn<QString>("underline"); // empty: not checked
        QTest::addColumn<QString>("strike");    // empty: not checked
        QTest::addColumn<QString>("sizes");     // empty: not checked

        // clang-format off
        QTest::newRow("bold on and off at offset 10")
            << T({"123456789"}) << T({"abcd"}) << QStringList{"2 bold 4", "4 bold 00"} << "----"
            << "0110" << "" << "" << "" << "";
        QTest::newRow("red at offset 0") << T({}) << T({"abcd"}) << QStringList{"1 clRed 2"} << "rr--" << "" << ""
                                         << "" << "" << "12,12,-,-";
        QTest::newRow("three bolds add, remove, add")
            << T({}) << T({"abcdefghi"}) << QStringList{"1 bold 00", "4 bold 00", "7 bold 00"} << "" << "111000111"
            << "" << "" << "" << "";
        QTest::newRow("reset between bolds")
            << T({"x"}) << T({"abcdefghi"}) << QStringList{"1 bold 00", "4 clTerminate 00", "7 bold 00"}
            << "---ffffff" << "111000111" << "" << "" << "" << "-,-,-,12,12,12,12,12,12";
        QTest::newRow("no style between bolds")
            << T({}) << T({"abcdefghi"}) << QStringList{"1 bold 00", "4 clNoStyle 00", "7 bold 00"}
            << "---------" << "111000111" << "" << "" << "" << "-,-,-,-,-,-,-,-,-";
        QTest::newRow("a style over mixed styles adds only itself")
            << T({}) << T({"abcdef"}) << QStringList{"1 bold 2", "1 clItalic 00"} << "" << "110000" << "111111"
            << "" << "" << "";
        QTest::newRow("italic off keeps bold")
            << T({}) << T({"abcdef"}) << QStringList{"1 bold 00", "1 clItalic 00", "3 clItalic 00"} << ""
            << "111111" << "110000" << "" << "" << "";
        QTest::newRow("underline and strike-out toggles")
            << T({}) << T({"abcdef"})
            << QStringList{"1 clUnderline 00", "3 clUnderline 00", "2 clStrikeout 4", "5 clStrikeout 00"} << ""
            << "000000" << "000000" << "110000" << "011100" << "";
        QTest::newRow("reset clears all four")
            << T({}) << T({"abcdef"})
            << QStringList{"1 bold 00", "1 clItalic 00", "1 clUnderline 00", "1 clStrikeout 00", "4 clTerminate 00",
                           "6 clUnderline 00"}
            << "---fff" << "111000" << "111000" << "111001" << "111000" << "";
        QTest::newRow("colour names") << T({}) << T({"abcd"})
                                      << QStringList{"1 clGreen 1", "2 clNoColor 2", "3 clBlue 3", "4 clBlack 4"}
                                      << "gfbk" << "" << "" << "" << "" << "12,12,12,12";
        QTest::newRow("no style keeps colour and size")
            << T({}) << T({"abc"}) << QStringList{"1 clRed 00", "1 bold 00", "1 clNoStyle 00"} << "rrr" << "000"
            << "" << "" << "" << "12,12,12";
        QTest::newRow("unknown name changes nothing")
            << T({}) << T({"abc"}) << QStringList{"1 clFoo 00", "1 Bold 00", "2 clRed 2"} << "-r-" << "000" << ""
            << "" << "" << "";
        QTest::newRow("end before start") << T({}) << T({"abc"}) << QStringList{"3 clRed 1"} << "---" << "" << ""
                                          << "" << "" << "";
        // clang-format on
    }
    void apply()
    {
        QFETCH(UnicodeString, earlier);
        QFETCH(UnicodeString, line);
        QFETCH(QStringList, entries);
        FakeView view;
        Fill(view.list, entries);
        const int offset = Append(view.preview, earlier, line);
        StyleToggles toggles;
        ApplyFormatList(view.preview, view.list, line, offset, TPreviewLook::Of(view.preview, false), toggles);
        const int n = line.Length();
        QFETCH(QString, colors);
        QFETCH(QString, bold);
        QFETCH(QString, italic);
        QFETCH(QString, underline);
        QFETCH(QString, strike);
        QFETCH(QString, sizes);
        const std::pair<QString, QString> maps[] = {
            {colors, ColorMap(view.preview, offset, n)},
            {bold, StyleMap(view.preview, offset, n, fsBold)},
            {italic, StyleMap(view.preview, offset, n, fsItalic)},
            {underline, StyleMap(view.preview, offset, n, fsUnderline)},
            {strike, StyleMap(view.preview, offset, n, fsStrikeOut)},
            {sizes, SizeMap(view.preview, offset, n)},
        };
        for (const auto& [expected, actual] : maps)
            if (!expected.isEmpty())
                QCOMPARE(actual, expected);
        QCOMPARE(ColorMap(view.preview, 0, earlier.Length()), QString(earlier.Length(), '-'));
    }

    void autoColor_data()
    {
        QTest::addColumn<uint>("background");
        QTest::addColumn<bool>("colortype");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("color");
        QTest::newRow("light, white") << 0xFFFFFFu << true << "clWhite" << 0x000000u;
        QTest::newRow("light, black") << 0xFFFFFFu << true << "clBlack" << 0x000000u;
        QTest::newRow("dark, white") << 0x400000u << true << "clWhite" << 0xFFFFFFu;
        QTest::newRow("dark, black") << 0x400000u << true << "clBlack" << 0xFFFFFFu;
        QTest::newRow("sum 600, white stays") << 0xC8C8C8u << true << "clWhite" << 0xFFFFFFu;
        QTest::newRow("sum 601, white turns") << 0xC8C8C9u << true << "clWhite" << 0x000000u;
        QTest::newRow("sum 80, black stays") << 0x001E32u << true << "clBlack" << 0x000000u;
        QTest::newRow("sum 79, black turns") << 0x001E31u << true << "clBlack" << 0xFFFFFFu;
        QTest::newRow("off, white on light") << 0xFFFFFFu << false << "clWhite" << 0xFFFFFFu;
        QTest::newRow("off, black on dark") << 0x400000u << false << "clBlack" << 0x000000u;
        QTest::newRow("other colours untouched") << 0xFFFFFFu << true << "clLightgrey" << 0xC0C0C0u;
    }
    void autoColor()
    {
        QFETCH(uint, background);
        QFETCH(bool, colortype);
        QFETCH(QString, name);
        QFETCH(uint, color);
        FakeView view;
        view.preview.SetColor(ColorFromTColor(background));
        Fill(view.list, {"1 " + name + " 00"});
        const int offset = Append(view.preview, T({}), T({"ab"}));
        StyleToggles toggles;
        ApplyFormatList(view.preview, view.list, T({"ab"}), offset, TPreviewLook::Of(view.preview, colortype), toggles);
        QCOMPARE(TColorFromColor(FormatAt(view.preview, 0).foreground().color()), std::uint32_t{color});
        QCOMPARE(TColorFromColor(FormatAt(view.preview, 1).foreground().color()), std::uint32_t{color});
    }

    void entryWithoutBlankStops()
    {
        FakeView view;
        Fill(view.list, {"1 clRed 1", "5", "2 clBlue 2"});
        const int offset = Append(view.preview, T({}), T({"abc"}));
        StyleToggles toggles;
        bool failed = false;
        try {
            ApplyFormatList(view.preview, view.list, T({"abc"}), offset, TPreviewLook::Of(view.preview, false),
                            toggles);
        } catch (const EConvertError&) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(ColorMap(view.preview, 0, 3), QString("r--"));
    }

    // With nothing appended the entries still run, past the preview's end.
    void emptyLineEntriesApplyPastTheEnd_data()
    {
        QTest::addColumn<UnicodeString>("earlier");
        QTest::newRow("empty preview") << T({});
        QTest::newRow("after a line") << T({"abc"});
    }
    void emptyLineEntriesApplyPastTheEnd()
    {
        QFETCH(UnicodeString, earlier);
        FakeView view;
        Fill(view.list, {"1 bold 00", "1 clUnderline 00", "1 clRed 00"});
        const int offset = Append(view.preview, earlier, T({}));
        StyleToggles toggles;
        ApplyFormatList(view.preview, view.list, T({}), offset, TPreviewLook::Of(view.preview, false), toggles);
        QVERIFY(toggles.bold && toggles.underline);
        QCOMPARE(view.preview.LinesCount(), earlier.IsEmpty() ? 0 : 1);
        QCOMPARE(ColorMap(view.preview, 0, earlier.Length()), QString(earlier.Length(), '-'));
        QCOMPARE(StyleMap(view.preview, 0, earlier.Length(), fsBold), QString(earlier.Length(), '0'));
    }
};

QTEST_MAIN(PreviewRenderTest)
#include "PreviewRenderTest.moc"
