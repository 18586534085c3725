// "Line" runs the whole rendering job from the window.
#include "AppTestSupport.h"
#include "Application.h"
#include "LiteralListing.h"
#include "RichEdit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace at;

namespace {

const QStringList Head{"Section Line Scanner: ", " "};

// The memo after "Line" on line: the listing, then the job's log.
QStringList Expected(const QString& line, const QStringList& passes, const QString& cleaned, const QStringList& entries)
{
    QStringList memo = Head;
    for (int i = 0; i < line.size(); ++i)
        memo << ToQString(literal::ListingLine(i + 1, line[i].unicode()));
    // clang-format off
    memo << " " << "Section RTF Parser: " << " ";
    memo << "Pass1: " + passes[0] << "Pass2: " + passes[1] << "Pass3: " + passes[2];
    memo << " " << "Color & Style Scan:" << " " << "Line after ColorParser: " + cleaned;
    memo << " " << " " << "Format List:" << " " << entries;
    // clang-format on
    return memo;
}

QStringList FormatList(TForm1& form)
{
    QStringList list;
    for (int i = 0; i < form.str->Count(); ++i)
        list << ToQString(form.str->Get(i));
    return list;
}

} // namespace

class RenderClickTest : public QObject {
    Q_OBJECT
private slots:
    void memoLog_data();
    void memoLog();
    void twoRunsOneAfterTheOther();
    void clicksDuringARenderWait();
    void buttonsComeBackAfterAFailingRender();
};

void RenderClickTest::memoLog_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("passes");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("previewLines");
    QTest::newRow("empty") << QString() << QStringList{"", "", ""} << QString() << QStringList{} << 0;
    QTest::newRow("abc") << "abc" << QStringList{"abc", "abc", "abc"} << "abc" << QStringList{} << 1;
    QTest::newRow("red Hi") << Q({u'\x03', "4,1Hi"})
                            << QStringList{Q({u'\x03', "4Hi"}), Q({u'\x03', "04Hi"}), Q({u'\x03', "04Hi"})} << "Hi"
                            << QStringList{"1 clRed 00"} << 1;
    QTest::newRow("code last") << Q({"ab", u'\x02'})
                               << QStringList{Q({"ab", u'\x02'}), Q({"ab", u'\x02'}), Q({"ab", u'\x02'})} << "ab"
                               << QStringList{} << 1;
    QTest::newRow("codes only") << Q({u'\x02', u'\x1F'})
                                << QStringList{Q({u'\x02', u'\x1F'}), Q({u'\x02', u'\x1F'}), Q({u'\x02', u'\x1F'})}
                                << QString() << QStringList{"1 bold 00", "1 clUnderline 00"} << 0;
}

void RenderClickTest::memoLog()
{
    QFETCH(QString, line);
    QFETCH(QStringList, passes);
    QFETCH(QString, cleaned);
    QFETCH(QStringList, entries);
    QFETCH(int, previewLines);
    TForm1 form;
    form.IRCEdit->setText(line);
    form.Button2->click();
    QCOMPARE(MemoTexts(form), Expected(line, passes, cleaned, entries));
    QCOMPARE(FormatList(form), entries);
    QCOMPARE(form.TestRTF->LinesCount(), previewLines);
}

void RenderClickTest::twoRunsOneAfterTheOther()
{
    TForm1 form;
    form.IRCEdit->setText(Q({"ab", u'\x02', "cd"}));
    form.Button2->click();
    form.IRCEdit->setText(Q({u'\x03', "04xy"}));
    form.Button2->click();
    QCOMPARE(MemoTexts(form), Expected(Q({u'\x03', "04xy"}),
                                       QStringList{Q({u'\x03', "04xy"}), Q({u'\x03', "04xy"}), Q({u'\x03', "04xy"})},
                                       "xy", QStringList{"1 clRed 00"}));
    QCOMPARE(FormatList(form), QStringList{"1 clRed 00"});
    QCOMPARE(form.TestRTF->LinesCount(), 2);
    QCOMPARE(form.TestRTF->toPlainText(), QString("abcd\nxy"));
}

void RenderClickTest::clicksDuringARenderWait()
{
    TForm1 form;
    const QString line = Q({"a", u'\x02', "b", u'\x1F', "c", u'\x02', "d"});
    form.IRCEdit->setText(line);
    int nested = 0;
    bool disabled = true;
    {
        const TPumpHookGuard hook([&] {
            if (nested++ == 50) {
                disabled = !form.Button1->isEnabled() && !form.Button2->isEnabled();
                // Clicks arriving at a pump of the running render.
                form.IRCEdit->setText("zz");
                QTest::mouseClick(form.Button2, Qt::LeftButton);
                form.Button1->click();
                form.Button2Click(form.Button2);
                form.Button1Click(form.Button1);
            }
        });
        form.Button2->click();
    }
    QVERIFY(nested > 50);
    QVERIFY(disabled);
    QVERIFY(form.Button1->isEnabled() && form.Button2->isEnabled());
    QCOMPARE(FormatList(form), (QStringList{"2 bold 5", "3 clUnderline 00", "4 bold 00"}));
    QCOMPARE(MemoTexts(form), Expected(line, QStringList{line, line, line}, "abcd",
                                       QStringList{"2 bold 5", "3 clUnderline 00", "4 bold 00"}));
    QCOMPARE(form.TestRTF->LinesCount(), 1);
}

void RenderClickTest::buttonsComeBackAfterAFailingRender()
{
    TForm1 form;
    form.IRCEdit->setText("abc");
    bool thrown = false;
    {
        const TPumpHookGuard hook([] { throw 42; });
        try {
            form.Button2Click(form.Button2);
        } catch (int) {
            thrown = true;
        }
    }
    QVERIFY(thrown);
    QVERIFY(form.Button1->isEnabled() && form.Button2->isEnabled());
    form.Button2->click();
    QCOMPARE(form.TestRTF->LinesCount(), 1);
}

QTEST_MAIN(RenderClickTest)
#include "RenderClickTest.moc"
