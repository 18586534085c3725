// The window as defined: start state, components, fonts, menus, resizing
// and the keyboard, in the window as start-up builds it.
#include "AppTestSupport.h"
#include "Application.h"
#include "Pump.h"
#include "RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace at;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void components_data();
    void components();
    void fonts_data();
    void fonts();
    void controlProperties();
    void tabOrder();
    void tabCycle_data();
    void tabCycle();
    void spaceOnButtonKeepsFocus_data();
    void spaceOnButtonKeepsFocus();
    void focusMovedDuringRenderStays();
    void menus_data();
    void menus();
    void editFieldTakesLongText();
    void memoAddIsOneLine_data();
    void memoAddIsOneLine();
    void renderViewFields();
    void resizing_data();
    void resizing();
};

void MainWindowTest::startState()
{
    TForm1 form;
    const QStringList lines = MemoTexts(form);
    QCOMPARE(lines.size(), 18);
    QCOMPARE(form.ResultMemo->document()->blockCount(), 18);
    const QString stars(32, '*');
    QCOMPARE(lines[0], stars);
    QCOMPARE(lines[1], QString("*") + QString(30, ' ') + "*");
    QCOMPARE(lines[2].size(), 32);
    QVERIFY(lines[2].startsWith('*') && lines[2].endsWith('*'));
    QVERIFY(lines[2].contains("Tarvexa1"));
    QCOMPARE(lines[3], stars);
    const QStringList rest{"",
                           "Instructions:",
                           "",
                           "Button Char:",
                           "Check the 1st Char of a line or a single Char . . .",
                           "",
                           "Button Line:",
                           "Check a complete Line of IRC Color- or Stylecodes . . .",
                           "",
                           "Do a Right-Click on the Edit Field to insert Color- or Stylecodes at the Cursor",
                           "",
                           "Do a Right-Click on the RTF Control to switch the Background-Color",
                           "",
                           "Set the AutoColor CheckBox to change White on a light BG or even Black on a dark BG"};
    QCOMPARE(lines.mid(4), rest);

    QVERIFY(form.IRCEdit->text().isEmpty());
    QVERIFY(form.TestRTF->document()->isEmpty());
    QCOMPARE(form.TestRTF->Color(), QColor(0, 0, 0x40));
    QCOMPARE(form.TestRTF->FontColor(), QColor(255, 255, 255));
    QVERIFY(!form.ToggleCheck->isChecked());
    QCOMPARE(form.colortype, false);
    QCOMPARE(form.DarkBack, TColor(0x400000));
    QVERIFY(form.str);
    QCOMPARE(form.str->Count(), 0);
    QCOMPARE(form.NBL, UnicodeString(u"\u2022"));
    QCOMPARE(form.NBR, UnicodeString(">"));
    QVERIFY(form.TBL.IsEmpty());
    QVERIFY(form.TBR.IsEmpty());
    QCOMPARE(form.windowTitle(), QString("Tintline"));
    QCOMPARE(form.size(), QSize(592, 397));
}

void MainWindowTest::components_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("bounds");
    // clang-format off
    QTest::newRow("Label1") << "QLabel" << "Insert or edit an IRC coded Textline" << QRect(15, 3, 172, 13);
    QTest::newRow("Label2") << "QLabel" << "RichText" << QRect(16, 50, 42, 13);
    QTest::newRow("Label3") << "QLabel" << "InfoText" << QRect(16, 135, 42, 13);
    QTest::newRow("IRCEdit") << "QLineEdit" << "" << QRect(15, 20, 560, 21);
    QTest::newRow("Button1") << "QPushButton" << "Char" << QRect(419, 364, 75, 25);
    QTest::newRow("ResultMemo") << "QPlainTextEdit" << "" << QRect(15, 154, 560, 204);
    QTest::newRow("TestRTF") << "TRichEdit" << "" << QRect(16, 69, 559, 61);
    QTest::newRow("Button2") << "QPushButton" << "Line" << QRect(500, 364, 75, 25);
    QTest::newRow("ToggleCheck") << "QCheckBox" << "AutoColor Background" << QRect(16, 372, 137, 17);
    // clang-format on
}

void MainWindowTest::components()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, bounds);
    StartedWindow started;
    TForm1& form = started.Form();
    QWidget* w = form.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(w);
    QVERIFY(w->inherits(kind.toLatin1()));
    QCOMPARE(w->parentWidget(), &form);
    QCOMPARE(w->property("text").toString(), caption);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // A label keeps its place and grows only where its caption needs it.
        QCOMPARE(w->pos(), bounds.topLeft());
        QCOMPARE(w->height(), bounds.height());
        QVERIFY(w->width() >= bounds.width());
        QVERIFY(w->width() == bounds.width() || w->width() == label->sizeHint().width());
    } else {
        QCOMPARE(w->geometry(), bounds);
    }
}

void MainWindowTest::fonts_data()
{
    // Every control without a font of its own has the form font.
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("Form1") << "Tahoma" << 11;
    QTest::newRow("Label1") << "Tahoma" << 11;
    QTest::newRow("Label2") << "Tahoma" << 11;
    QTest::newRow("Label3") << "Tahoma" << 11;
    QTest::newRow("IRCEdit") << "Tahoma" << 11;
    QTest::newRow("Button1") << "Tahoma" << 11;
    QTest::newRow("ResultMemo") << "Courier New" << 13;
    QTest::newRow("TestRTF") << "Segoe UI Symbol" << 16;
    QTest::newRow("Button2") << "Tahoma" << 11;
    QTest::newRow("ToggleCheck") << "Tahoma" << 11;
}

void MainWindowTest::fonts()
{
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    StartedWindow started;
    TForm1& form = started.Form();
    form.show(); // polished, as the user sees it
    const QString name = QTest::currentDataTag();
    QWidget* w = name == "Form1" ? &form : form.findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pixelSize(), pixelSize);
    QCOMPARE(w->fontInfo().pixelSize(), pixelSize);
}

void MainWindowTest::controlProperties()
{
    TForm1 form;
    QCOMPARE(form.ResultMemo->palette().color(QPalette::Base), QColor(191, 205, 219));
    QCOMPARE(form.ResultMemo->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(form.ResultMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!form.ResultMemo->isReadOnly());
    QVERIFY(!form.ResultMemo->isUndoRedoEnabled());
    QCOMPARE(form.ResultMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.ResultMemo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(form.TestRTF->isReadOnly());
    QCOMPARE(form.TestRTF->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(form.TestRTF->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.TestRTF->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.IRCEdit->contextMenuPolicy(), Qt::CustomContextMenu);
    QCOMPARE(form.TestRTF->contextMenuPolicy(), Qt::CustomContextMenu);
    QVERIFY(form.FontDialog1);
    QCOMPARE(form.FontDialog1->Font.Name, QString("Tahoma"));
    QCOMPARE(form.FontDialog1->Font.Height, -11);
}

void MainWindowTest::tabOrder()
{
    StartedWindow started;
    TForm1& form = started.Form();
    const QStringList stops{"IRCEdit", "Button1", "ResultMemo", "TestRTF", "Button2", "ToggleCheck"};
    QStringList seen;
    QWidget* w = form.IRCEdit;
    do {
        if (stops.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.IRCEdit);
    QCOMPARE(seen, stops);
    for (const QString& name : stops)
        QVERIFY2(form.findChild<QWidget*>(name)->focusPolicy() & Qt::TabFocus, qPrintable(name));
}

void MainWindowTest::tabCycle_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("forwards");
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << true;
    // X11 delivers Shift+Tab as Backtab; other platforms as Tab with Shift.
    QTest::newRow("Shift+Backtab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << false;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Tab) << int(Qt::ShiftModifier) << false;
}

void MainWindowTest::tabCycle()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, forwards);
    StartedWindow started;
    TForm1& form = started.Form();
    QVERIFY(started.ShowActive());
    // The window opens with the first control of the tab order focused.
    QCOMPARE(QApplication::focusWidget(), form.IRCEdit);

    QStringList order{"IRCEdit", "Button1", "ResultMemo", "TestRTF", "Button2", "ToggleCheck"};
    if (!forwards)
        std::reverse(order.begin() + 1, order.end());
    const QString memo = form.ResultMemo->toPlainText();
    form.TestRTF->LinesAdd(UnicodeString("preview"));
    const QString preview = form.TestRTF->toPlainText();
    // Twice round: from the last control the keyboard comes back to the first.
    for (int i = 1; i <= 2 * order.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i % order.size()]);
    }
    QCOMPARE(form.ResultMemo->toPlainText(), memo);
    QCOMPARE(form.TestRTF->toPlainText(), preview);
    QVERIFY(form.IRCEdit->text().isEmpty());
    QVERIFY(!form.ToggleCheck->isChecked());
}

void MainWindowTest::spaceOnButtonKeepsFocus_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("memoFirstLine");
    // clang-format off
    QTest::newRow("Char") << "Button1" << "Char is: unknown";
    QTest::newRow("Line") << "Button2" << "Section Line Scanner: ";
    // clang-format on
}

void MainWindowTest::spaceOnButtonKeepsFocus()
{
    QFETCH(QString, button);
    QFETCH(QString, memoFirstLine);
    StartedWindow started;
    TForm1& form = started.Form();
    QVERIFY(started.ShowActive());
    form.IRCEdit->setText(Q({"a", u'\x02', "b"}));
    QWidget* pressed = form.findChild<QWidget*>(button);
    pressed->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), pressed);
    // Space clicks the button; its command runs and the keyboard stays on
    // it, so that a second Space clicks it again and ticks nothing else.
    for (int press = 1; press <= 2; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(MemoTexts(form).value(0), memoFirstLine);
        QCOMPARE(QApplication::focusWidget(), pressed);
        QVERIFY(pressed->isEnabled());
    }
    QVERIFY(!form.ToggleCheck->isChecked());
}

void MainWindowTest::focusMovedDuringRenderStays()
{
    StartedWindow started;
    TForm1& form = started.Form();
    QVERIFY(started.ShowActive());
    form.IRCEdit->setText(Q({u'\x03', "04red", u'\x02', "bold"}));
    form.Button2->setFocus(Qt::TabFocusReason);
    // The user clicks into the edit field while the render pumps.
    int pumps = 0;
    TPumpHookGuard pump([&] {
        if (pumps++ == 0)
            form.IRCEdit->setFocus(Qt::MouseFocusReason);
    });
    QTest::keyClick(form.Button2, Qt::Key_Space);
    QVERIFY(pumps > 0);
    QCOMPARE(MemoTexts(form).value(0), QString("Section Line Scanner: "));
    QCOMPARE(QApplication::focusWidget(), form.IRCEdit);
}

void MainWindowTest::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions");
    // clang-format off
    QTest::newRow("RTFPopup") << "RTFPopup"
                              << QStringList{"LightBackground1", "DarkBackground1", "Font1", "N3", "Info1"}
                              << QStringList{"Light Background", "Dark Background", "Font", "-", "Info"};
    QTest::newRow("EditPopup") << "EditPopup"
                               << QStringList{"Bold1",   "Underline1",  "Italic1",  "Strikeout1", "N1",
                                              "White1",  "Black1",      "Blau1",    "Green1",     "Red1",
                                              "Brown1",  "Lila1",       "Orange1",  "Yellow1",    "Lightgreen1",
                                              "Cyan1",   "LightCyan1",  "LightBlue1", "Pink1",    "Grey1",
                                              "LightGray1", "N2",       "NoColor1", "NoStyle1"}
                               << QStringList{"Bold",         "Underline",      "Italic",        "Strikeout",
                                              "-",            "00 White",       "01 Black",      "02 Blue",
                                              "03 Green",     "04 Red",         "05 Brown",      "06 Purple",
                                              "07 Orange",    "08 Yellow",      "09 Light Green", "10 Cyan",
                                              "11 Light Cyan", "12 Light Blue", "13 Pink",       "14 Gray",
                                              "15 Light Gray", "-",             "No Color",      "No Style"};
    // clang-format on
}

void MainWindowTest::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    TForm1 form;
    QMenu* m = form.findChild<QMenu*>(menu);
    QVERIFY(m);
    const QList<QAction*> items = m->actions();
    QCOMPARE(items.size(), names.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->isSeparator(), captions[i] == "-");
        if (captions[i] != "-")
            QCOMPARE(items[i]->text(), captions[i]);
    }
}

void MainWindowTest::editFieldTakesLongText()
{
    TForm1 form;
    const QString text(100000, 'a');
    form.IRCEdit->setText(text);
    QCOMPARE(form.IRCEdit->text().size(), text.size());
}

void MainWindowTest::memoAddIsOneLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("LF") << Q({"a", u'\n', "b"});
    QTest::newRow("CR LF") << Q({"a", u'\r', u'\n', "b"});
    QTest::newRow("CR") << Q({u'\r'});
    QTest::newRow("paragraph separator") << Q({"a", u'\u2029'});
    QTest::newRow("line separator") << Q({u'\u2028', "b"});
    QTest::newRow("frame marks") << Q({u'\uFDD0', u'\uFDD1'});
    QTest::newRow("lone surrogate") << Q({u'\xD800'});
    QTest::newRow("empty") << QString();
}

void MainWindowTest::memoAddIsOneLine()
{
    QFETCH(QString, line);
    TForm1 form;
    form.MemoAdd(FromQString(line));
    QCOMPARE(form.MemoLines().Count(), 19);
    QCOMPARE(form.ResultMemo->document()->blockCount(), 19);
    QCOMPARE(form.MemoLines().Get(18).Length(), line.size());
}

void MainWindowTest::renderViewFields()
{
    TForm1 form;
    TRenderView& view = form;
    QCOMPARE(&view.Preview(), form.TestRTF);
    QCOMPARE(&view.FormatList(), form.str.get());
    QCOMPARE(view.LeadMarker(), form.NBL);
    QCOMPARE(view.BracketMarker(), form.NBR);
    form.ToggleCheck->setChecked(true);
    QVERIFY(view.ColorType());
    // After a clear, the first line added is the memo's first line, empty or not.
    form.ResultMemo->clear();
    TMemoLines memo(*form.ResultMemo);
    QCOMPARE(memo.Count(), 0);
    memo.Add(UnicodeString());
    memo.Add(UnicodeString("x"));
    QCOMPARE(memo.Count(), 2);
    QCOMPARE(memo.Get(1), UnicodeString("x"));
}

void MainWindowTest::resizing_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("component");
    QTest::addColumn<QRect>("bounds");
    struct Row {
        const char* name;
        QRect design;
        bool growsWide, growsTall, followsRight, followsBottom;
    };
    const Row rows[] = {
        {"Label1", {15, 3, 172, 13}, false, false, false, false},
        {"Label2", {16, 50, 42, 13}, false, false, false, false},
        {"Label3", {16, 135, 42, 13}, false, false, false, false},
        {"IRCEdit", {15, 20, 560, 21}, true, false, false, false},
        {"Button1", {419, 364, 75, 25}, false, false, true, true},
        {"ResultMemo", {15, 154, 560, 204}, true, true, false, false},
        {"TestRTF", {16, 69, 559, 61}, true, false, false, false},
        {"Button2", {500, 364, 75, 25}, false, false, true, true},
        {"ToggleCheck", {16, 372, 137, 17}, false, false, false, true},
    };
    const QSize sizes[] = {{792, 397}, {592, 497}, {900, 700}, {500, 300}};
    for (const QSize& s : sizes) {
        const int dx = s.width() - 592, dy = s.height() - 397;
        for (const Row& r : rows) {
            QRect b = r.design;
            if (r.growsWide)
                b.setWidth(b.width() + dx);
            if (r.growsTall)
                b.setHeight(b.height() + dy);
            if (r.followsRight)
                b.moveLeft(b.left() + dx);
            if (r.followsBottom)
                b.moveTop(b.top() + dy);
            QTest::addRow("%dx%d %s", s.width(), s.height(), r.name) << s << r.name << b;
        }
    }
}

void MainWindowTest::resizing()
{
    QFETCH(QSize, size);
    QFETCH(QString, component);
    QFETCH(QRect, bounds);
    StartedWindow started;
    TForm1& form = started.Form();
    form.resize(size);
    form.show(); // delivers the resize
    QCOMPARE(form.size(), size);
    QWidget* w = form.findChild<QWidget*>(component);
    if (qobject_cast<QLabel*>(w)) { // sized to its caption, see components()
        StartedWindow unresized;
        bounds.setWidth(unresized.Form().findChild<QWidget*>(component)->width());
    }
    QCOMPARE(w->geometry(), bounds);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
