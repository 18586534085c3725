// A "Line" click that fails: the error box says what went wrong in words,
// the memo keeps what was written, and the window stays usable.
#include "AddressSpace.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "ErrorBox.h"
#include "Exception.h"
#include "RTFLine.h"
#include "RenderTestSupport.h"
#include "StartUp.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <new>
#include <stdexcept>

using namespace at;

namespace {

// A window view whose lead marker cannot be read: the render fails in the
// middle of its preview stage, with something that is no Exception.
class FailingView : public rt::FakeView {
public:
    UnicodeString LeadMarker() const override { throw std::bad_alloc(); }
};

} // namespace

class FailingClickTest : public QObject {
    Q_OBJECT
private slots:
    void failureAtAPassPump_data();
    void failureAtAPassPump();
    void failureInThePreviewLeavesItUsable();
    void addressSpaceCheck_data();
    void addressSpaceCheck();
};

void FailingClickTest::failureAtAPassPump_data()
{
    // What a pump of the passes throws, and the error box it gives (none:
    // the render's own stage handler takes the program's exceptions).
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("the program's own error") << 0 << QStringList{};
    QTest::newRow("out of memory") << 1 << QStringList{"Out of memory"};
    QTest::newRow("standard exception") << 2 << QStringList{"disk full"};
    QTest::newRow("any other value") << 3 << QStringList{"Unknown error"};
}

void FailingClickTest::failureAtAPassPump()
{
    QFETCH(int, kind);
    QFETCH(QStringList, shown);
    InitializeApplication();
    TMainFormHolder main;
    TForm1& form = main.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString line = Q({"ab", u'\x03', "4,1cd", u'\x02', "ef"});
    form.IRCEdit->setText(line);

    QStringList boxes;
    const TExceptionSink old = SetExceptionSink([&](const QString& m) { boxes << m; });
    {
        const TPumpHookGuard hook([kind] {
            switch (kind) {
            case 0: throw Exception("stop");
            case 1: throw std::bad_alloc();
            case 2: throw std::runtime_error("disk full");
            default: throw 42;
            }
        });
        QTest::mouseClick(form.Button2, Qt::LeftButton);
    }
    QCOMPARE(boxes, shown);
    // The listing stays; the program's own error ends only the passes, the
    // others end the render.
    const QStringList memo = MemoTexts(form);
    QCOMPARE(memo.mid(0, 2), (QStringList{"Section Line Scanner: ", " "}));
    QCOMPARE(memo[2 + line.size() + 1], QString("Section RTF Parser: "));
    QCOMPARE(memo.contains("Format List:"), shown.isEmpty());
    QVERIFY(form.Button1->isEnabled() && form.Button2->isEnabled());
    QVERIFY(!form.ResultMemo->document()->documentLayout()->signalsBlocked());
    QVERIFY(form.TestRTF->viewport()->updatesEnabled());

    // The window goes on as before: the next click renders the line.
    boxes.clear();
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    SetExceptionSink(old);
    QCOMPARE(boxes, QStringList{});
    const QStringList after = MemoTexts(form);
    QCOMPARE(after.mid(after.indexOf("Format List:")), (QStringList{"Format List:", " ", "3 clRed 00", "5 bold 00"}));
    // Only the second render reached the preview: the first failed in Pass1,
    // whose stage handler leaves the cleaned line empty.
    QCOMPARE(form.TestRTF->LinesCount(), 1);
}

void FailingClickTest::failureInThePreviewLeavesItUsable()
{
    FailingView failing;
    failing.preview.show();
    bool thrown = false;
    try {
        TRTFLine job(failing, UnicodeString(u"ab\u0002cd"));
        job.DoSynchronize();
    } catch (const std::bad_alloc&) {
        thrown = true;
    }
    QVERIFY(thrown);
    // The preview paints again, and its next line is laid out and formatted.
    QVERIFY(failing.preview.viewport()->updatesEnabled());
    rt::FakeView& view = failing;
    view.list.Clear();
    view.preview.LinesAdd("xy");
    const QTextDocument& doc = *view.preview.document();
    QVERIFY(doc.documentLayout()->blockBoundingRect(doc.lastBlock()).height() > 0);
    view.preview.SetSelStart(5);
    view.preview.SetSelLength(2);
    view.preview.SetSelColor(ColorFromTColor(0x0000FF));
    QCOMPARE(rt::ColorMap(view.preview, 5, 2), QString("rr"));
}

void FailingClickTest::addressSpaceCheck_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<bool>("refused");
    QTest::newRow("nothing") << quint64(0) << false;
    QTest::newRow("a megabyte") << quint64(1 << 20) << false;
    QTest::newRow("a line of a million units") << quint64(RenderBytesPerUnit) * (1 << 20) << false;
    QTest::newRow("more than any address space") << quint64(SIZE_MAX / 2) << true;
}

void FailingClickTest::addressSpaceCheck()
{
    QFETCH(quint64, bytes);
    QFETCH(bool, refused);
#if defined(__SANITIZE_ADDRESS__)
    if (refused)
        QSKIP("AddressSanitizer ends the program on a request it cannot serve");
#endif
    bool thrown = false;
    try {
        RequireAddressSpace(static_cast<std::size_t>(bytes));
    } catch (const std::bad_alloc&) {
        thrown = true;
    }
    QCOMPARE(thrown, refused);
}

QTEST_MAIN(FailingClickTest)
#include "FailingClickTest.moc"
