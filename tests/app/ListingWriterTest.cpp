// The listing line the window writes in place is the step-by-step line, for
// every unit.
#include "AppTestSupport.h"
#include "LiteralListing.h"

#include <QTest>

#include <climits>
#include <string>

class ListingWriterTest : public QObject {
    Q_OBJECT
private slots:
    void everyUnitAtEdgePositions_data();
    void everyUnitAtEdgePositions();
    void appendsBehindWhatIsThere();
};

void ListingWriterTest::everyUnitAtEdgePositions_data()
{
    // Where the position's text changes width, and the largest positions.
    QTest::addColumn<int>("position");
    for (int p : {1, 9, 10, 99, 100, 32767, 32768, 1 << 20, INT_MAX})
        QTest::newRow(qPrintable(QString::number(p))) << p;
}

void ListingWriterTest::everyUnitAtEdgePositions()
{
    QFETCH(int, position);
    std::u16string out;
    for (int u = 0; u <= 0xFFFF; ++u) {
        out.clear();
        TForm1::AppendListingLine(out, position, static_cast<char16_t>(u));
        const UnicodeString expected = literal::ListingLine(position, static_cast<char16_t>(u));
        if (out != expected.str())
            QFAIL(qPrintable(QString("unit %1: %2 instead of %3")
                                 .arg(u, 4, 16, QChar('0'))
                                 .arg(QString::fromStdU16String(out), ToQString(expected))));
    }
}

void ListingWriterTest::appendsBehindWhatIsThere()
{
    std::u16string out = u"x\n";
    TForm1::AppendListingLine(out, 2, 0x1F);
    QCOMPARE(QString::fromStdU16String(out),
             QString("x\n02) Char: %1   Hex: 0x1F   Decimal: 31    Escape Ctrl: x1F").arg(QChar(0x1F)));
}

QTEST_MAIN(ListingWriterTest)
#include "ListingWriterTest.moc"
