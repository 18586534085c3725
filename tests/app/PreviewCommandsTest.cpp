// The preview menu's commands and the AutoColor check box.
#include "AppTestSupport.h"
#include "ErrorBox.h"
#include "Exception.h"
#include "PreviewFont.h"
#include "RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>

#include <optional>

using namespace at;

namespace {
void Pick(TForm1& form, const char* item) { form.findChild<QAction*>(item)->trigger(); }

void PutPreviewText(TForm1& form)
{
    QTextCursor c(form.TestRTF->document());
    c.insertText("preview line");
}

struct State {
    QColor background, text;
    bool colortype;
    QStringList memo;
    bool operator==(const State&) const = default;
};
State StateOf(const TForm1& form)
{
    return {form.TestRTF->Color(), form.TestRTF->FontColor(), form.colortype, MemoTexts(form)};
}
} // namespace

class PreviewCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void backgrounds_data();
    void backgrounds();
    void autoColor();
    void fontConfirmed();
    void fontKeepsPreviewStyle();
    void fontCancelled();
    void info();
    void handlerExceptionIsReported();
};

void PreviewCommandsTest::backgrounds_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    const QColor dark(0, 0, 0x40), white(255, 255, 255), black(0, 0, 0);
    QTest::newRow("Dark at start") << QStringList{"DarkBackground1"} << dark << white;
    QTest::newRow("Light") << QStringList{"LightBackground1"} << white << black;
    QTest::newRow("Light twice") << QStringList{"LightBackground1", "LightBackground1"} << white << black;
    QTest::newRow("Light, Dark") << QStringList{"LightBackground1", "DarkBackground1"} << dark << white;
}

void PreviewCommandsTest::backgrounds()
{
    QFETCH(QStringList, items);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    TForm1 form;
    PutPreviewText(form);
    for (const QString& item : items)
        Pick(form, item.toLatin1());
    QCOMPARE(form.TestRTF->Color(), background);
    QCOMPARE(form.TestRTF->FontColor(), text);
    QCOMPARE(form.TestRTF->document()->toRawText(), QString("preview line"));
    QCOMPARE(form.colortype, false);
}

void PreviewCommandsTest::autoColor()
{
    TForm1 form;
    const State before = StateOf(form);
    form.ToggleCheck->click();
    QCOMPARE(form.colortype, true);
    State after = StateOf(form);
    after.colortype = false;
    QVERIFY(after == before); // nothing else changed
    form.ToggleCheck->click();
    QCOMPARE(form.colortype, false);
    form.ToggleCheck->setChecked(true); // a change of state, not only a click
    QCOMPARE(form.colortype, true);
}

void PreviewCommandsTest::fontConfirmed()
{
    TForm1 form;
    form.show();
    PutPreviewText(form);
    form.IRCEdit->setFocus();
    std::optional<TFont> offered;
    form.FontDialog1->SetChooser([&](TFont& font) {
        offered = font;
        font.Name = "DejaVu Serif";
        font.Size = 14;
        font.Height = HeightFromSize(14);
        font.Color = 0x0000FF; // red
        font.Charset = ANSI_CHARSET;
        font.Pitch = TFontPitch::fpFixed;
        font.Style = fsBold | fsItalic | fsUnderline | fsStrikeOut;
        return true;
    });
    Pick(form, "Font1");

    // The dialog opened on the whole preview font.
    QVERIFY(offered);
    QCOMPARE(offered->Name, QString("Segoe UI Symbol"));
    QCOMPARE(offered->Height, -16);
    QCOMPARE(offered->Size, 12);
    QCOMPARE(offered->Color, TColor(0xFFFFFF));
    QCOMPARE(offered->Charset, 254);
    QCOMPARE(offered->Style, TFontStyles{0});

    const QFont f = form.TestRTF->font();
    QCOMPARE(f.family(), QString("DejaVu Serif"));
    QCOMPARE(f.pointSize(), 14);
    QVERIFY(f.fixedPitch());
    QVERIFY(!f.bold());
    QVERIFY(!f.italic());
    QVERIFY(!f.underline());
    QVERIFY(!f.strikeOut());
    QCOMPARE(form.TestRTF->FontColor(), QColor(255, 0, 0));
    QCOMPARE(TControlFont(*form.TestRTF).Get().Charset, ANSI_CHARSET);
    QCOMPARE(form.TestRTF->Color(), QColor(0, 0, 0x40));

    QCOMPARE(form.focusWidget(), form.TestRTF);
    const QTextCursor c = form.TestRTF->textCursor();
    QCOMPARE(c.selectionStart(), 0);
    QCOMPARE(c.selectionEnd(), QString("preview line").size());
}

void PreviewCommandsTest::fontKeepsPreviewStyle()
{
    TForm1 form;
    QFont italic = form.TestRTF->font();
    italic.setItalic(true);
    form.TestRTF->setFont(italic);
    bool offeredItalic = false;
    form.FontDialog1->SetChooser([&](TFont& font) {
        offeredItalic = (font.Style & fsItalic) != 0;
        font.Style = 0;
        return true;
    });
    Pick(form, "Font1");
    QVERIFY(offeredItalic);
    QVERIFY(form.TestRTF->font().italic());
}

void PreviewCommandsTest::fontCancelled()
{
    TForm1 form;
    form.show();
    PutPreviewText(form);
    form.IRCEdit->setFocus();
    QTextCursor c = form.TestRTF->textCursor();
    c.setPosition(2);
    form.TestRTF->setTextCursor(c);
    const QFont font = form.TestRTF->font();
    const TFont before = TControlFont(*form.TestRTF).Get();
    form.FontDialog1->SetChooser([](TFont& f) {
        f.Name = "DejaVu Serif";
        f.Size = 30;
        f.Color = 0xFF;
        f.Charset = 0;
        return false;
    });
    Pick(form, "Font1");
    QCOMPARE(form.TestRTF->font(), font);
    QCOMPARE(form.TestRTF->FontColor(), QColor(255, 255, 255));
    QCOMPARE(TControlFont(*form.TestRTF).Get().Charset, before.Charset);
    QCOMPARE(form.focusWidget(), form.IRCEdit);
    QVERIFY(!form.TestRTF->textCursor().hasSelection());
    QCOMPARE(form.TestRTF->textCursor().position(), 2);
}

void PreviewCommandsTest::info()
{
    TForm1 form;
    QStringList shown;
    form.SetInfoBox([&](const QString& text) { shown << text; });
    const State before = StateOf(form);
    Pick(form, "Info1");
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains("Tarvexa1"));
    QVERIFY(shown[0].contains(QRegularExpression("\\b20\\d\\d\\b")));
    QVERIFY(!shown[0].contains('\n'));
    QVERIFY(StateOf(form) == before);
}

void PreviewCommandsTest::handlerExceptionIsReported()
{
    TForm1 form;
    QStringList messages;
    const TExceptionSink old = SetExceptionSink([&](const QString& m) { messages << m; });
    form.FontDialog1->SetChooser([](TFont&) -> bool { throw Exception("no fonts today"); });
    Pick(form, "Font1");
    SetExceptionSink(old);
    QCOMPARE(messages, QStringList{"no fonts today"});
    // The window goes on working.
    Pick(form, "LightBackground1");
    QCOMPARE(form.TestRTF->Color(), QColor(255, 255, 255));
}

QTEST_MAIN(PreviewCommandsTest)
#include "PreviewCommandsTest.moc"
