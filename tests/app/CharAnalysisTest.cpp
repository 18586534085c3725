// "Char", the escape names, the numeric forms and the listing of "Line".
#include "AppTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace at;

namespace {

// The memo lines of the character listing of an n-unit line: the two lines
// before it, one per unit and the three after it. The job's log follows.
QStringList ListingSection(const TForm1& form, int n)
{
    const QStringList memo = MemoTexts(form);
    if (memo.size() <= n + 5 || !memo[n + 5].startsWith("Pass1: "))
        return {};
    return memo.mid(0, n + 5);
}

} // namespace

class CharAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void checkChar_data();
    void checkChar();
    void keyDecode_data();
    void keyDecode();
    void charButton_data();
    void charButton();
    void lineWithEmptyField();
    void listingLines_data();
    void listingLines();
    void listingLineOfA();
    void listingOneLinePerUnit_data();
    void listingOneLinePerUnit();
    void listingLongLine();
};

void CharAnalysisTest::checkChar_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString() << "unknown";
    QTest::newRow("bold") << Q({u'\x02'}) << "x02";
    QTest::newRow("colour") << Q({u'\x03'}) << "x03";
    QTest::newRow("0x04") << Q({u'\x04'}) << "x04";
    QTest::newRow("underline") << Q({u'\x1F'}) << "x1F";
    QTest::newRow("strikeout") << Q({u'\x1E'}) << "x1E";
    QTest::newRow("reset") << Q({u'\x0F'}) << "x0F";
    QTest::newRow("0x17") << Q({u'\x17'}) << "x17";
    QTest::newRow("italic has no name") << Q({u'\x1D'}) << "unknown";
    QTest::newRow("0x0E") << Q({u'\x0E'}) << "unknown";
    QTest::newRow("0x16") << Q({u'\x16'}) << "unknown";
    QTest::newRow("0x11") << Q({u'\x11'}) << "unknown";
    QTest::newRow("tab") << Q({u'\x09'}) << "unknown";
    QTest::newRow("form feed") << Q({u'\x0C'}) << "unknown";
    QTest::newRow("whole text counts") << Q({u'\x02', "a"}) << "unknown";
    QTest::newRow("doubled code") << Q({u'\x03', u'\x03'}) << "unknown";
    QTest::newRow("high unit, same low byte") << Q({u'\x0102'}) << "unknown";
}

void CharAnalysisTest::checkChar()
{
    QFETCH(QString, input);
    QFETCH(QString, name);
    QCOMPARE(ToQString(TForm1::CheckChar(FromQString(input))), name);
}

void CharAnalysisTest::keyDecode_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("binary");
    // clang-format off
    QTest::newRow("empty") << QString() << "" << "" << "";
    QTest::newRow("A") << "A" << "0x41" << "65" << "01000001";
    QTest::newRow("last unit counts") << "ab" << "0x62" << "98" << "01100010";
    QTest::newRow("colour") << Q({u'\x03'}) << "0x03" << "3" << "00000011";
    QTest::newRow("euro sign") << Q({u'\u20AC'}) << "0xAC" << "172" << "10101100";
    QTest::newRow("bullet") << Q({u'\u2022'}) << "0x22" << "34" << "00100010";
    QTest::newRow("U+0100") << Q({u'\u0100'}) << "0x00" << "0" << "00000000";
    QTest::newRow("upper-case digits, lower-case x") << Q({u'\u00AB'}) << "0xAB" << "171" << "10101011";
    QTest::newRow("U+00FF") << Q({u'\u00FF'}) << "0xFF" << "255" << "11111111";
    QTest::newRow("lone surrogate") << Q({u'\xDBFF'}) << "0xFF" << "255" << "11111111";
    // clang-format on
}

void CharAnalysisTest::keyDecode()
{
    QFETCH(QString, input);
    QFETCH(QString, hex);
    QFETCH(QString, decimal);
    QFETCH(QString, binary);
    QCOMPARE(ToQString(TForm1::KeyDecodeHex(FromQString(input))), hex);
    QCOMPARE(ToQString(TForm1::KeyDecodeDecimal(FromQString(input))), decimal);
    QCOMPARE(ToQString(TForm1::KeyDecodeBinary(FromQString(input))), binary);
}

void CharAnalysisTest::charButton_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    QTest::newRow("empty") << QString() << "Char is: unknown";
    QTest::newRow("underline") << Q({u'\x1F'}) << "Char is: x1F";
    QTest::newRow("italic") << Q({u'\x1D'}) << "Char is: unknown";
    QTest::newRow("bold and a letter") << Q({u'\x02', "a"}) << "Char is: unknown";
    QTest::newRow("reset") << Q({u'\x0F'}) << "Char is: x0F";
}

void CharAnalysisTest::charButton()
{
    QFETCH(QString, field);
    QFETCH(QString, line);
    TForm1 form;
    form.IRCEdit->setText(field);
    form.Button1->click();
    QCOMPARE(MemoTexts(form), QStringList{line});
    QCOMPARE(form.IRCEdit->text(), field);
}

void CharAnalysisTest::lineWithEmptyField()
{
    TForm1 form;
    form.Button2->click();
    QCOMPARE(MemoTexts(form), (QStringList{"Section Line Scanner: ", " ", " ", "Section RTF Parser: ", " ",
                                           "Pass1: ", "Pass2: ", "Pass3: ", " ", "Color & Style Scan:", " ",
                                           "Line after ColorParser: ", " ", " ", "Format List:", " "}));
}

void CharAnalysisTest::listingLines_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("line");
    auto row = [](const char* tag, int position, char16_t unit, const char* number, const char* hex,
                  const char* decimal, const char* name) {
        const QString u(QChar{unit});
        // clang-format off
        QTest::newRow(tag) << position << u
                           << QString("%1) Char: %2   Hex: %3   Decimal: %4    Escape Ctrl: %5")
                                  .arg(number, u, hex, decimal, name);
        // clang-format on
    };
    row("A at 1", 1, u'A', "01", "0x41", "65", "unknown");
    row("colour at 2", 2, 0x03, "02", "0x03", "3", "x03");
    row("italic at 9", 9, 0x1D, "09", "0x1D", "29", "unknown");
    row("euro sign at 10", 10, 0x20AC, "10", "0xAC", "172", "unknown");
    row("bullet at 11", 11, 0x2022, "11", "0x22", "34", "unknown");
    row("U+0100 at 12", 12, 0x0100, "12", "0x00", "0", "unknown");
    row("a umlaut at 100", 100, 0x00E4, "100", "0xE4", "228", "unknown");
    row("reset at 101", 101, 0x0F, "101", "0x0F", "15", "x0F");
}

void CharAnalysisTest::listingLines()
{
    QFETCH(int, position);
    QFETCH(QString, unit);
    QFETCH(QString, line);
    TForm1 form;
    QString text(120, 'z');
    text[position - 1] = unit[0];
    form.IRCEdit->setText(text);
    form.Button2->click();
    const QStringList memo = ListingSection(form, 120);
    QCOMPARE(memo.size(), 120 + 5);
    QCOMPARE(memo[1 + position], line);
}

void CharAnalysisTest::listingLineOfA()
{
    TForm1 form;
    form.IRCEdit->setText("A");
    form.Button2->click();
    QCOMPARE(ListingSection(form, 1), (QStringList{"Section Line Scanner: ", " ",
                                                   "01) Char: A   Hex: 0x41   Decimal: 65    Escape Ctrl: unknown", " ",
                                                   "Section RTF Parser: ", " "}));
}

void CharAnalysisTest::listingOneLinePerUnit_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("codes only") << Q({u'\x02', u'\x03', u'\x0F', u'\x1D', u'\x1E', u'\x1F', u'\x04', u'\x09', u'\x0C',
                                      u'\x0E', u'\x11', u'\x16', u'\x17'});
    QTest::newRow("line breaks") << Q({"a", u'\n', "b", u'\r', u'\n', u'\u2029', u'\u2028'});
    QTest::newRow("lone surrogates") << Q({u'\xD800', "x", u'\xDFFF'});
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("NUL") << QString(3, QChar(0));
}

void CharAnalysisTest::listingOneLinePerUnit()
{
    QFETCH(QString, text);
    TForm1 form;
    form.IRCEdit->setText(text);
    QCOMPARE(form.IRCEdit->text(), text);
    form.Button2->click();
    const QStringList memo = ListingSection(form, text.size());
    QCOMPARE(memo.size(), text.size() + 5);
    for (int i = 0; i < text.size(); ++i) {
        const QString& line = memo[2 + i];
        QVERIFY2(line.startsWith(QString("%1) Char: ").arg(i + 1, 2, 10, QChar('0'))), qPrintable(line));
        QVERIFY(line.endsWith(ToQString(TForm1::CheckChar(UnicodeString(text[i].unicode())))));
    }
}

void CharAnalysisTest::listingLongLine()
{
    TForm1 form;
    QString text;
    for (int i = 0; i < 32767; ++i)
        text += QChar(char16_t(i % 40 == 0 ? 0x03 : 'a' + i % 26));
    form.IRCEdit->setText(text);
    form.Button2->click();
    const QStringList memo = ListingSection(form, 32767);
    QCOMPARE(memo.size(), 32767 + 5);
    QCOMPARE(memo[2 + 40], QString("41) Char: %1   Hex: 0x03   Decimal: 3    Escape Ctrl: x03").arg(QChar(3)));
    QCOMPARE(memo[2 + 32766], QString("32767) Char: g   Hex: 0x67   Decimal: 103    Escape Ctrl: unknown"));
    QCOMPARE(memo.mid(32767 + 2), (QStringList{" ", "Section RTF Parser: ", " "}));
}

QTEST_MAIN(CharAnalysisTest)
#include "CharAnalysisTest.moc"
