// The scan and the preview on the longest line the edit field used to take.
#include "ColorStyleScan.h"
#include "PreviewRender.h"
#include "RenderTestSupport.h"

#include <QtTest>

using namespace rt;

namespace {

constexpr int LongLength = 32767;

// The pattern repeated until the line holds exactly LongLength units.
UnicodeString LongLine(const UnicodeString& pattern)
{
    std::u16string s;
    while (static_cast<int>(s.size()) < LongLength)
        s += pattern.str();
    s.resize(LongLength);
    return UnicodeString(std::move(s));
}

} // namespace

class LongLineTest : public QObject {
    Q_OBJECT
private slots:
    // Scan and preview of the longest line the edit field used to take.
    void scanAndPreview_data()
    {
        QTest::addColumn<UnicodeString>("line");
        QTest::newRow("codes between words") << LongLine(T({"ab", B, "c", C, "04d", U, "e ", C, "f", R, "g", I, S}));
        QTest::newRow("codes only") << LongLine(T({B, U, C, "12", I, S, R, C}));
        QTest::newRow("breaks, surrogates, markers")
            << LongLine(UnicodeString(u"a\r\n\u2029\U0001F600") + UnicodeString(std::u16string(1, char16_t(0xD800)))
                        + Bullet + T({"> ", B, "x"}));
    }
    void scanAndPreview()
    {
        QFETCH(UnicodeString, line);
        FakeView view;
        view.preview.LinesAdd("earlier");
        UnicodeString text = line;
        ColorStyleScan(text, view);
        QVERIFY(text.Length() <= LongLength);
        const int offset = view.preview.TextLength() - view.preview.LinesCount();
        const TPreviewLook look = TPreviewLook::Of(view.preview, true);
        if (!text.IsEmpty()) {
            AppendLine(view.preview, text);
            PaintLeadRegion(view.preview, text, offset, view.NBL, look);
            PaintBracketRegion(view.preview, text, offset, view.NBL, view.NBR, look);
            PaintBodyRegion(view.preview, text, offset, view.NBR, look);
        }
        StyleToggles toggles;
        ApplyFormatList(view.preview, view.list, text, offset, look, toggles);
        view.preview.ClearSelection();
        QCOMPARE(view.preview.LinesCount(), text.IsEmpty() ? 1 : 2);
        QCOMPARE(view.preview.TextLength(), 9 + (text.IsEmpty() ? 0 : text.Length() + 2));
    }
};

QTEST_MAIN(LongLineTest)
#include "LongLineTest.moc"
