// The font dialog's window on its own, under the style start-up applies:
// what it opens on, what its widgets change, what it gives back, that it
// fits every family; and the charsets behind its writing systems.
#include "FontChooserDialog.h"
#include "AppTestSupport.h"
#include "Charsets.h"
#include "Codes.h"
#include "Color.h"
#include "ModalDriver.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

using namespace at;

Q_DECLARE_METATYPE(QFontDatabase::WritingSystem)
Q_DECLARE_METATYPE(TFont)
Q_DECLARE_METATYPE(std::vector<StyleFace>)

namespace {

// The dialog's widgets, found by name as a test sees them.
struct Widgets {
    explicit Widgets(QDialog& d)
        : family(d.findChild<QFontComboBox*>("Family")), style(d.findChild<QComboBox*>("Style")),
          size(d.findChild<QSpinBox*>("Size")), strikeout(d.findChild<QCheckBox*>("Strikeout")),
          underline(d.findChild<QCheckBox*>("Underline")), color(d.findChild<QComboBox*>("Color")),
          moreColors(d.findChild<QPushButton*>("MoreColors")), writingSystem(d.findChild<QComboBox*>("WritingSystem")),
          sample(d.findChild<QLineEdit*>("Sample")), buttons(d.findChild<QDialogButtonBox*>("Buttons"))
    {}
    bool Complete() const
    {
        return family && style && size && strikeout && underline && color && moreColors && writingSystem && sample
               && buttons;
    }
    QFontComboBox* family;
    QComboBox* style;
    QSpinBox* size;
    QCheckBox* strikeout;
    QCheckBox* underline;
    QComboBox* color;
    QPushButton* moreColors;
    QComboBox* writingSystem;
    QLineEdit* sample;
    QDialogButtonBox* buttons;
};

QString CaptionOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    return {};
}

bool Installed(const QString& family) { return QFontDatabase::families().contains(family); }

TFont MakeFont(const QString& name, int size, TFontStyles style, TColor color, int charset)
{
    TFont f;
    f.Name = name;
    f.Size = size;
    f.Height = HeightFromSize(size);
    f.Pitch = TFontPitch::fpVariable;
    f.Style = style;
    f.Color = color;
    f.Charset = charset;
    return f;
}

} // namespace

class FontChooserDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writingSystemsAndCharsets_data();
    void writingSystemsAndCharsets();
    void charsetsWithoutWritingSystemOfTheirOwn_data();
    void charsetsWithoutWritingSystemOfTheirOwn();
    void charsetTableRules();
    void styleListOrder_data();
    void styleListOrder();
    void opensOnFont_data();
    void opensOnFont();
    void untouchedComesBackUnchanged_data();
    void untouchedComesBackUnchanged();
    void missingFamilyOpensOnFamilyInUse();
    void offersEveryTableColourAndCharset();
    void widgetsChangeTheFont();
    void newFamilyKeepsWeightAndSlant();
    void otherColourFromColourDialog_data();
    void otherColourFromColourDialog();
    void sampleShowsFontAndColour();
    void okAndCancel_data();
    void okAndCancel();
    void tabWalksTheDialog();
    void fitsEveryFamily_data();
    void fitsEveryFamily();
    void tableListsShowEveryEntry_data();
    void tableListsShowEveryEntry();

private:
    // The style as start-up applies it, for every dialog of the test.
    std::unique_ptr<StartedWindow> started_;
};

void FontChooserDialogTest::initTestCase() { started_ = std::make_unique<StartedWindow>(); }

void FontChooserDialogTest::writingSystemsAndCharsets_data()
{
    QTest::addColumn<QFontDatabase::WritingSystem>("system");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Any") << QFontDatabase::Any << 1 << "Any";
    QTest::newRow("Latin") << QFontDatabase::Latin << 0 << "Latin";
    QTest::newRow("Greek") << QFontDatabase::Greek << 161 << "Greek";
    QTest::newRow("Cyrillic") << QFontDatabase::Cyrillic << 204 << "Cyrillic";
    QTest::newRow("Hebrew") << QFontDatabase::Hebrew << 177 << "Hebrew";
    QTest::newRow("Arabic") << QFontDatabase::Arabic << 178 << "Arabic";
    QTest::newRow("Thai") << QFontDatabase::Thai << 222 << "Thai";
    QTest::newRow("Vietnamese") << QFontDatabase::Vietnamese << 163 << "Vietnamese";
    QTest::newRow("Japanese") << QFontDatabase::Japanese << 128 << "Japanese";
    QTest::newRow("Korean") << QFontDatabase::Korean << 129 << "Korean";
    QTest::newRow("SimplifiedChinese") << QFontDatabase::SimplifiedChinese << 134 << "Simplified Chinese";
    QTest::newRow("TraditionalChinese") << QFontDatabase::TraditionalChinese << 136 << "Traditional Chinese";
    QTest::newRow("Symbol") << QFontDatabase::Symbol << 2 << "Symbol";
}

void FontChooserDialogTest::writingSystemsAndCharsets()
{
    QFETCH(QFontDatabase::WritingSystem, system);
    QFETCH(int, charset);
    QFETCH(QString, caption);
    QCOMPARE(WritingSystemOfCharset(charset), std::optional(system));
    QCOMPARE(CharsetCaption(charset), caption);
}

void FontChooserDialogTest::charsetsWithoutWritingSystemOfTheirOwn_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<std::optional<QFontDatabase::WritingSystem>>("system");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Turkish") << 162 << std::optional(QFontDatabase::Latin) << "Latin (Turkish)";
    QTest::newRow("Baltic") << 186 << std::optional(QFontDatabase::Latin) << "Latin (Baltic)";
    QTest::newRow("Central European") << 238 << std::optional(QFontDatabase::Latin) << "Latin (Central European)";
    QTest::newRow("the preview's 254") << 254 << std::optional<QFontDatabase::WritingSystem>() << "Character set 254";
    QTest::newRow("OEM") << 255 << std::optional<QFontDatabase::WritingSystem>() << "Character set 255";
    QTest::newRow("negative") << -1 << std::optional<QFontDatabase::WritingSystem>() << "Character set -1";
}

void FontChooserDialogTest::charsetsWithoutWritingSystemOfTheirOwn()
{
    QFETCH(int, charset);
    QFETCH(std::optional<QFontDatabase::WritingSystem>, system);
    QFETCH(QString, caption);
    QCOMPARE(WritingSystemOfCharset(charset), system);
    QCOMPARE(CharsetCaption(charset), caption);
}

void FontChooserDialogTest::charsetTableRules()
{
    // Every row can be told apart in the dialog.
    std::set<int> charsets;
    QStringList captions;
    for (const CharsetEntry& e : CharsetTable) {
        QVERIFY2(charsets.insert(e.charset).second, qPrintable(QString::number(e.charset)));
        captions << CharsetCaption(e.charset);
    }
    captions.removeDuplicates();
    QCOMPARE(captions.size(), qsizetype(CharsetTable.size()));
}

void FontChooserDialogTest::styleListOrder_data()
{
    using Faces = std::vector<StyleFace>;
    QTest::addColumn<Faces>("faces");
    QTest::addColumn<QStringList>("order");
    // clang-format off
    QTest::newRow("none") << Faces{} << QStringList{};
    QTest::newRow("the four faces")
        << Faces{{"Bold Italic", 700, true}, {"Bold", 700, false}, {"Italic", 400, true}, {"Regular", 400, false}}
        << QStringList{"Regular", "Italic", "Bold", "Bold Italic"};
    // clang-format on
    // As the database gives DejaVu Serif, the regular face last.
    // clang-format off
    QTest::newRow("DejaVu Serif") << Faces{{"Condensed Italic", 400, true}, {"Bold", 700, false},
                                           {"Condensed Bold Italic", 700, true}, {"Condensed", 400, false},
                                           {"Condensed Bold", 700, false}, {"Italic", 400, true},
                                           {"Bold Italic", 700, true}, {"Book", 400, false}}
                                  << QStringList{"Book",           "Condensed",   "Italic",
                                                 "Condensed Italic", "Bold",      "Condensed Bold",
                                                 "Bold Italic",    "Condensed Bold Italic"};
    QTest::newRow("regular first, lighter ones after it")
        << Faces{{"Light", 300, false}, {"Thin", 100, false}, {"Roman", 400, false}, {"Black", 900, false}}
        << QStringList{"Roman", "Thin", "Light", "Black"};
    QTest::newRow("regular names in any case") << Faces{{"Oblique", 400, true}, {"normal", 400, false}}
                                               << QStringList{"normal", "Oblique"};
    QTest::newRow("an italic is never the regular face")
        << Faces{{"Medium", 500, false}, {"Regular", 400, true}} << QStringList{"Regular", "Medium"};
    QTest::newRow("no regular face: by weight alone")
        << Faces{{"Bold", 700, false}, {"Medium", 500, false}, {"Light Italic", 300, true}, {"Light", 300, false}}
        << QStringList{"Light", "Light Italic", "Medium", "Bold"};
    QTest::newRow("alike: the shorter name, then by name")
        << Faces{{"Wide Oblique", 400, true}, {"Condensed Oblique", 400, true}, {"Oblique", 400, true},
                 {"Semi Oblique", 400, true}}
        << QStringList{"Oblique", "Semi Oblique", "Wide Oblique", "Condensed Oblique"};
    // clang-format on
}

void FontChooserDialogTest::styleListOrder()
{
    QFETCH(std::vector<StyleFace>, faces);
    QFETCH(QStringList, order);
    QCOMPARE(StyleListOrder(faces), order);
    // The database's order does not matter.
    std::reverse(faces.begin(), faces.end());
    QCOMPARE(StyleListOrder(faces), order);
}

void FontChooserDialogTest::opensOnFont_data()
{
    QTest::addColumn<TFont>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("strikeout");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("writingSystem");
    // clang-format off
    QTest::newRow("serif bold italic red Greek")
        << MakeFont("DejaVu Serif", 20, fsBold | fsItalic, 0x0000FF, 161) << "DejaVu Serif" << "Bold Italic" << 20
        << false << false << "04 Red" << "Greek";
    QTest::newRow("sans plain white, unknown charset")
        << MakeFont("DejaVu Sans", 12, 0, 0xFFFFFF, 254) << "DejaVu Sans" << "Book" << 12 << false << false
        << "00 White" << "Character set 254";
    QTest::newRow("mono underlined strikeout brown Turkish")
        << MakeFont("DejaVu Sans Mono", 9, fsUnderline | fsStrikeOut, 0x004080, 162) << "DejaVu Sans Mono" << "Book"
        << 9 << true << true << "05 Brown" << "Latin (Turkish)";
    QTest::newRow("own colour, default charset")
        << MakeFont("DejaVu Sans", 30, fsItalic, 0x123456, 1) << "DejaVu Sans" << "Oblique" << 30 << false << false
        << "Custom" << "Any";
    // clang-format on
    TFont byHeight = MakeFont("DejaVu Serif", 0, 0, 0xC0C0C0, 0);
    byHeight.Height = -16;
    // clang-format off
    QTest::newRow("height only") << byHeight << "DejaVu Serif" << "Book" << 12 << false << false << "15 Light Gray"
                                 << "Latin";
    // clang-format on
}

void FontChooserDialogTest::opensOnFont()
{
    QFETCH(TFont, font);
    QFETCH(QString, family);
    QFETCH(QString, style);
    QFETCH(int, size);
    QFETCH(bool, strikeout);
    QFETCH(bool, underline);
    QFETCH(QString, color);
    QFETCH(QString, writingSystem);
    if (!Installed(family))
        QSKIP("font family not installed");
    TFontChooserDialog dialog(font);
    const Widgets w(dialog);
    QVERIFY(w.Complete());
    QCOMPARE(w.family->currentText(), family);
    QCOMPARE(w.style->currentText(), style);
    QCOMPARE(w.size->value(), size);
    QCOMPARE(w.strikeout->isChecked(), strikeout);
    QCOMPARE(w.underline->isChecked(), underline);
    QCOMPARE(w.color->currentText(), color);
    QCOMPARE(w.color->currentData().value<QColor>(), ColorFromTColor(font.Color));
    QCOMPARE(w.writingSystem->currentText(), writingSystem);
}

void FontChooserDialogTest::untouchedComesBackUnchanged_data() { opensOnFont_data(); }

void FontChooserDialogTest::untouchedComesBackUnchanged()
{
    QFETCH(TFont, font);
    QFETCH(int, size);
    if (!Installed(font.Name))
        QSKIP("font family not installed");
    const TFont chosen = TFontChooserDialog(font).Chosen();
    QCOMPARE(chosen.Name, font.Name);
    QCOMPARE(chosen.Size, size);
    QCOMPARE(chosen.Height, HeightFromSize(size));
    QCOMPARE(chosen.Style, font.Style);
    QCOMPARE(chosen.Color, font.Color);
    QCOMPARE(chosen.Charset, font.Charset);
    QCOMPARE(chosen.Pitch, font.Name == "DejaVu Sans Mono" ? TFontPitch::fpFixed : TFontPitch::fpVariable);
}

void FontChooserDialogTest::missingFamilyOpensOnFamilyInUse()
{
    // The preview's font as the window definition gives it.
    TFont preview = MakeFont("Segoe UI Symbol", 12, 0, 0xFFFFFF, 254);
    QFont asked("Segoe UI Symbol");
    asked.setPixelSize(16);
    const QFontInfo inUse(asked);
    TFontChooserDialog dialog(preview);
    const Widgets w(dialog);
    QCOMPARE(w.family->currentText(), inUse.family());
    QCOMPARE(w.style->currentText(), inUse.styleName());
    QCOMPARE(w.size->value(), 12);
    QCOMPARE(dialog.Chosen().Name, inUse.family());
    QCOMPARE(dialog.Chosen().Charset, 254);
}

void FontChooserDialogTest::offersEveryTableColourAndCharset()
{
    TFontChooserDialog dialog(MakeFont("DejaVu Sans", 12, 0, 0xFFFFFF, 1));
    const Widgets w(dialog);
    QCOMPARE(w.color->count(), 16);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(w.color->itemText(i), QString::fromLatin1(ColorTable[i].caption));
        QCOMPARE(w.color->itemData(i).value<QColor>(), ColorFromTColor(ColorTable[i].color));
    }
    QCOMPARE(w.writingSystem->count(), qsizetype(CharsetTable.size()));
    for (int i = 0; i < w.writingSystem->count(); ++i)
        QCOMPARE(w.writingSystem->itemData(i).toInt(), CharsetTable[i].charset);
}

void FontChooserDialogTest::widgetsChangeTheFont()
{
    if (!Installed("DejaVu Serif") || !Installed("DejaVu Sans"))
        QSKIP("DejaVu fonts not installed");
    TFontChooserDialog dialog(MakeFont("DejaVu Sans", 12, 0, 0xFFFFFF, 254));
    dialog.show();
    const Widgets w(dialog);

    TypeOver(w.family, "DejaVu Serif");
    QTest::keyClick(w.family, Qt::Key_Tab);
    QCOMPARE(w.family->currentText(), QString("DejaVu Serif"));
    QTest::keyClicks(w.style, "Bold");
    QCOMPARE(w.style->currentText(), QString("Bold"));
    TypeOver(w.size, "26");
    ClickBox(w.underline);
    QTest::keyClicks(w.color, "12");
    QTest::keyClicks(w.writingSystem, "Cyr");
    QCOMPARE(w.writingSystem->currentText(), QString("Cyrillic"));
    QVERIFY(dialog.isVisible()); // no key press closed it

    const TFont chosen = dialog.Chosen();
    QCOMPARE(chosen.Name, QString("DejaVu Serif"));
    QCOMPARE(chosen.Size, 26);
    QCOMPARE(chosen.Height, -35);
    QCOMPARE(chosen.Style, TFontStyles(fsBold | fsUnderline));
    QCOMPARE(chosen.Color, TColor(0xFF8000)); // 12 Light Blue
    QCOMPARE(chosen.Charset, 204);
    QCOMPARE(chosen.Pitch, TFontPitch::fpVariable);
}

void FontChooserDialogTest::newFamilyKeepsWeightAndSlant()
{
    if (!Installed("DejaVu Serif") || !Installed("DejaVu Sans"))
        QSKIP("DejaVu fonts not installed");
    TFontChooserDialog dialog(MakeFont("DejaVu Serif", 12, fsBold | fsItalic, 0, 0));
    const Widgets w(dialog);
    QCOMPARE(w.style->currentText(), QString("Bold Italic"));
    w.family->setCurrentFont(QFont("DejaVu Sans"));
    QCOMPARE(w.style->currentText(), QString("Bold Oblique"));
    QCOMPARE(dialog.Chosen().Style, TFontStyles(fsBold | fsItalic));
}

void FontChooserDialogTest::otherColourFromColourDialog_data()
{
    QTest::addColumn<QColor>("picked");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<TColor>("color");
    QTest::newRow("own colour") << QColor(0x12, 0x34, 0x56) << true << "Custom" << TColor(0x563412);
    QTest::newRow("a table colour") << QColor(255, 0, 0) << true << "04 Red" << TColor(0x0000FF);
    QTest::newRow("cancelled") << QColor(0x12, 0x34, 0x56) << false << "08 Yellow" << TColor(0x00FFFF);
}

void FontChooserDialogTest::otherColourFromColourDialog()
{
    QFETCH(QColor, picked);
    QFETCH(bool, accept);
    QFETCH(QString, caption);
    QFETCH(TColor, color);
    TFontChooserDialog dialog(MakeFont("DejaVu Sans", 12, 0, 0x00FFFF, 0));
    dialog.show();
    const Widgets w(dialog);
    TModalDriver<QColorDialog> driver([&](QColorDialog& colors) {
        // It opens on the colour shown.
        QCOMPARE(colors.currentColor(), QColor(255, 255, 0));
        colors.setCurrentColor(picked);
        auto* box = colors.findChild<QDialogButtonBox*>();
        QVERIFY(box);
        QTest::mouseClick(box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QTest::mouseClick(w.moreColors, Qt::LeftButton);
    QVERIFY(driver.Ran());
    QVERIFY(dialog.isVisible());
    QCOMPARE(w.color->currentText(), caption);
    QCOMPARE(dialog.Chosen().Color, color);
    // One entry at most beyond the table.
    QVERIFY(w.color->count() <= 17);
}

void FontChooserDialogTest::sampleShowsFontAndColour()
{
    if (!Installed("DejaVu Serif"))
        QSKIP("DejaVu Serif not installed");
    const QColor back(0, 0, 0x40);
    TFontChooserDialog dialog(MakeFont("DejaVu Serif", 12, 0, 0xFFFFFF, 254), back);
    dialog.show();
    const Widgets w(dialog);
    QCOMPARE(QFontInfo(w.sample->font()).family(), QString("DejaVu Serif"));
    QCOMPARE(w.sample->font().pointSize(), 12);
    QCOMPARE(w.sample->text(), QString("AaBbYyZz"));

    TypeOver(w.size, "20");
    ClickBox(w.strikeout);
    QTest::keyClicks(w.color, "04");
    QTest::keyClicks(w.writingSystem, "Gr");
    QCOMPARE(w.sample->font().pointSize(), 20);
    QVERIFY(w.sample->font().strikeOut());
    QCOMPARE(w.sample->text(), QFontDatabase::writingSystemSample(QFontDatabase::Greek));

    // As drawn: the preview's background at the edge, the colour in the text.
    const QImage image = w.sample->grab().toImage();
    QCOMPARE(image.pixelColor(4, image.height() / 2), back);
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x)
            red = image.pixelColor(x, y) == QColor(255, 0, 0);
    QVERIFY(red);
}

void FontChooserDialogTest::okAndCancel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << 0 << int(QDialogButtonBox::Ok) << int(QDialog::Accepted);
    QTest::newRow("Cancel") << 0 << int(QDialogButtonBox::Cancel) << int(QDialog::Rejected);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << int(QDialog::Rejected);
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << int(QDialog::Accepted);
}

void FontChooserDialogTest::okAndCancel()
{
    QFETCH(int, key);
    QFETCH(int, button);
    QFETCH(int, result);
    TFont font = MakeFont("DejaVu Sans", 12, 0, 0xFFFFFF, 254);
    const TFont before = font;
    TModalDriver<TFontChooserDialog> driver([&](TFontChooserDialog& dialog) {
        const Widgets w(dialog);
        QTest::keyClicks(w.color, "04");
        if (key)
            QTest::keyClick(w.size, Qt::Key(key));
        else
            QTest::mouseClick(w.buttons->button(QDialogButtonBox::StandardButton(button)), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), result);
    });
    const bool confirmed = ChooseFont(font, QColor());
    QVERIFY(driver.Ran());
    QCOMPARE(confirmed, result == QDialog::Accepted);
    QCOMPARE(font.Color, confirmed ? TColor(0x0000FF) : before.Color);
    QCOMPARE(font.Charset, 254);
    QCOMPARE(font.Name, before.Name);
}

void FontChooserDialogTest::tabWalksTheDialog()
{
    TFontChooserDialog dialog(MakeFont("DejaVu Sans", 12, 0, 0xFFFFFF, 254));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const Widgets w(dialog);
    QCOMPARE(QApplication::focusWidget(), w.family);
    const QList<QWidget*> order{w.style,
                                w.size,
                                w.strikeout,
                                w.underline,
                                w.color,
                                w.moreColors,
                                w.sample,
                                w.writingSystem,
                                w.buttons->button(QDialogButtonBox::Ok),
                                w.buttons->button(QDialogButtonBox::Cancel)};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.family);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), w.buttons->button(QDialogButtonBox::Cancel));
}

void FontChooserDialogTest::fitsEveryFamily_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("regular");
    QTest::addColumn<TColor>("color");
    QTest::addColumn<int>("charset");
    // clang-format off
    QTest::newRow("DejaVu Sans") << "DejaVu Sans" << "Book" << TColor(0xFFFFFF) << 1;
    // clang-format on
    // Narrower than the others, with the fewest styles.
    // clang-format off
    QTest::newRow("DejaVu Sans Mono") << "DejaVu Sans Mono" << "Book" << TColor(0x0000FF) << 0;
    // clang-format on
    // The database gives its regular face last. A colour and a charset of
    // the font's own add an entry to each list.
    // clang-format off
    QTest::newRow("DejaVu Serif") << "DejaVu Serif" << "Book" << TColor(0x123456) << 254;
    QTest::newRow("DejaVu Sans Condensed") << "DejaVu Sans Condensed" << "Book" << TColor(0) << 204;
    // clang-format on
}

void FontChooserDialogTest::fitsEveryFamily()
{
    QFETCH(QString, family);
    QFETCH(QString, regular);
    QFETCH(TColor, color);
    QFETCH(int, charset);
    if (!Installed(family))
        QSKIP("font family not installed");
    TFontChooserDialog reference(MakeFont("DejaVu Sans", 12, 0, color, charset));
    reference.show();
    TFontChooserDialog dialog(MakeFont(family, 12, 0, color, charset));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const Widgets w(dialog);
    QCOMPARE(w.family->currentText(), family);
    // Every caption in the application's font and given the room it asks for.
    const QString appFamily = QFontInfo(QApplication::font()).family();
    for (QWidget* c : dialog.findChildren<QWidget*>()) {
        if (!c->isVisible()
            || !(qobject_cast<QLabel*>(c) || qobject_cast<QAbstractButton*>(c) || qobject_cast<QGroupBox*>(c)))
            continue;
        QCOMPARE(QFontInfo(c->font()).family(), appFamily);
        const QSize hint = c->sizeHint();
        QVERIFY2(c->width() >= hint.width() && c->height() >= hint.height(),
                 qPrintable(QStringLiteral("%1 \"%2\": %3x%4 for %5x%6")
                                .arg(QString::fromLatin1(c->metaObject()->className()), CaptionOf(c))
                                .arg(c->width())
                                .arg(c->height())
                                .arg(hint.width())
                                .arg(hint.height())));
    }
    // One size whatever the family: its controls do not take the family's font.
    QCOMPARE(dialog.size(), reference.size());
    // The regular face first, every style name whole in its box.
    QCOMPARE(w.style->itemText(0), regular);
    QStyleOptionComboBox option;
    option.initFrom(w.style);
    const int room =
        w.style->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w.style).width();
    for (int i = 0; i < w.style->count(); ++i)
        QVERIFY2(w.style->fontMetrics().horizontalAdvance(w.style->itemText(i)) <= room,
                 qPrintable(w.style->itemText(i)));
}

void FontChooserDialogTest::tableListsShowEveryEntry_data() { fitsEveryFamily_data(); }

void FontChooserDialogTest::tableListsShowEveryEntry()
{
    QFETCH(QString, family);
    QFETCH(TColor, color);
    QFETCH(int, charset);
    if (!Installed(family))
        QSKIP("font family not installed");
    TFontChooserDialog dialog(MakeFont(family, 12, 0, color, charset));
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const Widgets w(dialog);
    for (QComboBox* box : {w.color, w.writingSystem}) {
        // Opened as a user opens it: the click gives the list the focus first.
        QTest::mouseClick(box, Qt::LeftButton);
        QAbstractItemView* list = box->view();
        QTRY_VERIFY(list->isVisible());
        const int rows = list->model()->rowCount();
        QVERIFY(rows >= 16);
        QCOMPARE(list->verticalScrollBar()->maximum(), 0);
        for (int i = 0; i < rows; ++i)
            QVERIFY2(list->viewport()->rect().contains(list->visualRect(list->model()->index(i, 0))),
                     qPrintable(box->itemText(i)));
        box->hidePopup();
        QTRY_VERIFY(!list->isVisible());
    }
}

QTEST_MAIN(FontChooserDialogTest)
#include "FontChooserDialogTest.moc"
