// A rendering job shows what its step-by-step form shows: the same memo,
// Format List, preview text and per-character colour, size and styles, with
// every run formatted on its own and every Format List line added alone.
#include "LiteralScan.h"
#include "RTFLine.h"
#include "RenderTestSupport.h"

#include "ColorParser.h"
#include "Exception.h"
#include "Int32.h"
#include "PreviewRender.h"

#include <QtTest>

#include <random>

using namespace rt;

namespace {

// The rendering job written out plainly, stage after stage: the passes, the
// scan on its literal form, the log, the regions and the apply loop, with no
// edit block or paint hold around the preview's formatting.
void StepByStep(FakeView& view, const UnicodeString& Line)
{
    UnicodeString Dummy;
    StyleToggles toggles;
    TRichEdit& rtf = view.Preview();
    TStrings& str = view.FormatList();
    try {
        Dummy = TColorParser::PrepareLine(Line);
        view.MemoAdd(UnicodeString("Pass1: ") + Dummy);
        Dummy = TColorParser::RemoveBackColors(Dummy);
        view.MemoAdd(UnicodeString("Pass2: ") + Dummy);
        Dummy = TColorParser::PrepareLine_(Dummy);
        view.MemoAdd(UnicodeString("Pass3: ") + Dummy);
        view.MemoAdd(" ");
        view.MemoAdd("Color & Style Scan:");
        view.MemoAdd(" ");
        str.BeginUpdate();
        str.Clear();
        str.EndUpdate();
        rtf.ClearSelection();
        literal::ColorStyleScan(Dummy, view);
        Dummy = TColorParser::RemoveLastChars(Dummy);
    } catch (const Exception&) {
    }
    view.MemoAdd(UnicodeString("Line after ColorParser: ") + Dummy);
    const int at = Sub32(rtf.TextLength(), rtf.LinesCount());
    view.MemoAdd(" ");
    view.MemoAdd(" ");
    view.MemoAdd("Format List:");
    view.MemoAdd(" ");
    for (int i = 0; i < str.Count(); ++i)
        view.MemoAdd(str.Get(i));
    const TPreviewLook look = TPreviewLook::Of(rtf, view.ColorType());
    if (!Dummy.IsEmpty()) {
        AppendLine(rtf, Dummy);
        PaintLeadRegion(rtf, Dummy, at, view.LeadMarker(), look);
        PaintBracketRegion(rtf, Dummy, at, view.LeadMarker(), view.BracketMarker(), look);
        PaintBodyRegion(rtf, Dummy, at, view.BracketMarker(), look);
    }
    try {
        ApplyFormatList(rtf, str, Dummy, at, look, toggles);
    } catch (const Exception&) {
    }
    rtf.ClearSelection();
}

// What the preview shows at each position, one entry per character.
QStringList Shown(const TRichEdit& edit)
{
    QStringList out;
    const int count = edit.document()->characterCount();
    for (int p = 0; p < count; ++p) {
        const QTextCharFormat f = FormatAt(edit, p);
        out << QString("%1 %2 %3%4%5%6 %7")
                   .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : "-")
                   .arg(f.hasProperty(QTextFormat::FontPointSize) ? QString::number(f.fontPointSize()) : "-")
                   .arg(f.fontWeight() >= QFont::Bold)
                   .arg(f.fontItalic())
                   .arg(f.fontUnderline())
                   .arg(f.fontStrikeOut())
                   .arg(edit.document()->characterAt(p).unicode());
    }
    return out;
}

UnicodeString RandomLine(std::mt19937& rng, int maxPieces)
{
    static const std::vector<UnicodeString> pieces = {
        T({C, "4"}), T({C, "04"}), T({C, "12,5"}), T({C, "1"}),  T({C}),       T({C, "99"}), T({B}),   T({U}),
        T({I}),      T({S}),       T({R}),         T({"ab"}),    T({" "}),     T({"5"}),     T({","}), Bullet,
        T({">"}),    T({"> "}),    T({C, "0"}),    T({C, "01"}), T({C, "00"}), T({"\x04"}),  T({G}),
    };
    return tt::PieceLine(rng, pieces, maxPieces);
}

} // namespace

class RenderSameAsStepByStepTest : public QObject {
    Q_OBJECT
private slots:
    void sameAsStepByStep_data()
    {
        QTest::addColumn<bool>("autoColor");
        QTest::addColumn<bool>("light");
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("dark") << false << false << 61u;
        QTest::newRow("dark, AutoColor") << true << false << 62u;
        QTest::newRow("light, AutoColor") << true << true << 63u;
    }
    void sameAsStepByStep()
    {
        QFETCH(bool, autoColor);
        QFETCH(bool, light);
        QFETCH(unsigned, seed);
        FakeView job, steps;
        for (FakeView* v : {&job, &steps}) {
            v->colortype = autoColor;
            if (light)
                v->preview.SetColor(ColorFromTColor(0xFFFFFF));
        }
        std::mt19937 rng(seed);
        // Lines one after the other into the same preview, as clicks add them.
        for (int i = 0; i < 120; ++i) {
            const UnicodeString line = RandomLine(rng, i % 10 == 9 ? 200 : 14);
            TRTFLine(job, line).DoSynchronize();
            StepByStep(steps, line);
            QCOMPARE(job.memo, steps.memo);
            QCOMPARE(Q(job.list), Q(steps.list));
        }
        QCOMPARE(StoredText(job.preview), StoredText(steps.preview));
        QCOMPARE(Shown(job.preview), Shown(steps.preview));
        QCOMPARE(job.preview.SelStart(), steps.preview.SelStart());
        QCOMPARE(job.preview.textCursor().position(), steps.preview.textCursor().position());
    }
};

QTEST_MAIN(RenderSameAsStepByStepTest)
#include "RenderSameAsStepByStepTest.moc"
