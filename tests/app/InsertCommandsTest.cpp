// The edit menu's insert commands, picked through their menu items.
#include "AppTestSupport.h"
#include "RichEdit.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace at;

namespace {
void Pick(TForm1& form, const QString& item)
{
    QAction* action = form.findChild<QAction*>(item);
    QVERIFY2(action, qPrintable(item));
    action->trigger();
}

void PlaceCaret(QLineEdit& edit, int start, int length)
{
    if (length > 0)
        edit.setSelection(start, length);
    else
        edit.setCursorPosition(start);
}
} // namespace

class InsertCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void insert_data();
    void insert();
    void colourCommands_data();
    void colourCommands();
    void fieldWrittenWhole_data();
    void fieldWrittenWhole();
    void caretReadAnew();
    void touchesNothingElse();
};

void InsertCommandsTest::insert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty, Bold") << "" << 0 << 0 << "Bold1" << Q({u'\x02'});
    QTest::newRow("empty, 07 Orange") << "" << 0 << 0 << "Orange1" << Q({u'\x03', "07"});
    QTest::newRow("empty, No Color") << "" << 0 << 0 << "NoColor1" << Q({u'\x03'});
    QTest::newRow("empty, No Style") << "" << 0 << 0 << "NoStyle1" << Q({u'\x0F'});
    QTest::newRow("middle, Underline") << "abcd" << 2 << 0 << "Underline1" << Q({"ab", u'\x1F', "cd"});
    QTest::newRow("end, 12 Light Blue") << "abcd" << 4 << 0 << "LightBlue1" << Q({"abcd", u'\x03', "12"});
    QTest::newRow("front, No Style") << "abcd" << 0 << 0 << "NoStyle1" << Q({u'\x0F', "abcd"});
    QTest::newRow("selection stays, Italic") << "abcd" << 1 << 2 << "Italic1" << Q({"a", u'\x1D', "bcd"});
    QTest::newRow("selection stays, 04 Red") << "abcd" << 1 << 3 << "Red1" << Q({"a", u'\x03', "04", "bcd"});
    QTest::newRow("inside colour digits, Bold")
        << Q({u'\x03', "12x"}) << 2 << 0 << "Bold1" << Q({u'\x03', "1", u'\x02', "2x"});
    QTest::newRow("No Color") << "ab" << 1 << 0 << "NoColor1" << Q({"a", u'\x03', "b"});
    QTest::newRow("Strikeout") << "ab" << 2 << 0 << "Strikeout1" << Q({"ab", u'\x1E'});
    QTest::newRow("next to a code") << Q({u'\x02'}) << 1 << 0 << "Bold1" << Q({u'\x02', u'\x02'});
}

void InsertCommandsTest::insert()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    TForm1 form;
    form.IRCEdit->setText(text);
    PlaceCaret(*form.IRCEdit, selStart, selLength);
    Pick(form, item);
    QCOMPARE(form.IRCEdit->text(), expected);
}

void InsertCommandsTest::colourCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("digits");
    const char* items[] = {"White1",     "Black1",  "Blau1",   "Green1",      "Red1",  "Brown1",
                           "Lila1",      "Orange1", "Yellow1", "Lightgreen1", "Cyan1", "LightCyan1",
                           "LightBlue1", "Pink1",   "Grey1",   "LightGray1"};
    for (int i = 0; i < 16; ++i)
        QTest::newRow(items[i]) << items[i] << QString("%1").arg(i, 2, 10, QChar('0'));
}

void InsertCommandsTest::colourCommands()
{
    QFETCH(QString, item);
    QFETCH(QString, digits);
    TForm1 empty;
    Pick(empty, item);
    QCOMPARE(empty.IRCEdit->text(), QChar(3) + digits);

    TForm1 form;
    form.IRCEdit->setText("ab");
    form.IRCEdit->setCursorPosition(1);
    Pick(form, item);
    QCOMPARE(form.IRCEdit->text(), QString("a") + QChar(3) + digits + "b");
}

void InsertCommandsTest::fieldWrittenWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("writes");
    // clang-format off
    QTest::newRow("style") << "ab" << "Bold1" << 1;
    QTest::newRow("No Color") << "ab" << "NoColor1" << 1;
    QTest::newRow("colour") << "ab" << "Green1" << 2;
    QTest::newRow("colour, empty field") << "" << "Green1" << 2;
    // clang-format on
}

void InsertCommandsTest::fieldWrittenWhole()
{
    QFETCH(QString, text);
    QFETCH(QString, item);
    QFETCH(int, writes);
    TForm1 form;
    form.IRCEdit->setText(text);
    form.IRCEdit->setCursorPosition(1);
    QSignalSpy spy(form.IRCEdit, &QLineEdit::textChanged);
    Pick(form, item);
    QCOMPARE(spy.count(), writes);
    if (writes == 2 && !text.isEmpty())
        QCOMPARE(spy.at(0).at(0).toString(), QString("a") + QChar(3) + "b"); // the bare code first
}

void InsertCommandsTest::caretReadAnew()
{
    TForm1 form;
    form.IRCEdit->setText("abcd");
    form.IRCEdit->setCursorPosition(1);
    Pick(form, "Bold1");
    form.IRCEdit->setCursorPosition(3);
    Pick(form, "Underline1");
    QCOMPARE(form.IRCEdit->text(), Q({"a", u'\x02', "b", u'\x1F', "cd"}));
    // Wherever the edit field leaves its caret, the next command uses it.
    const int caret = form.IRCEdit->cursorPosition();
    QString expected = form.IRCEdit->text();
    expected.insert(caret, QChar(0x0F));
    Pick(form, "NoStyle1");
    QCOMPARE(form.IRCEdit->text(), expected);
}

void InsertCommandsTest::touchesNothingElse()
{
    TForm1 form;
    const QStringList memo = MemoTexts(form);
    form.str->Add("1 bold 00");
    form.IRCEdit->setText("abc");
    Pick(form, "Pink1");
    QCOMPARE(MemoTexts(form), memo);
    QVERIFY(form.TestRTF->document()->isEmpty());
    QCOMPARE(form.str->Count(), 1);
}

QTEST_MAIN(InsertCommandsTest)
#include "InsertCommandsTest.moc"
