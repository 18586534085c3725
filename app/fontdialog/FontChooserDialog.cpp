// The font dialog's window: Qt's font, colour and writing-system widgets
// laid out like a font dialog, reading and giving back a TFont.
#include "FontChooserDialog.h"

#include "Codes.h"
#include "Color.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

QIcon Swatch(const QColor& color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, 15, 15);
    painter.end();
    // The highlighted entry shows its true colour too.
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

// Weight and slant of a family's style as the font style set sees them:
// oblique counts as italic.
bool StyleBold(const QString& family, const QString& style) { return QFontDatabase::bold(family, style); }

bool StyleItalic(const QString& family, const QString& style)
{
    return QFontDatabase::font(family, style, 12).style() != QFont::StyleNormal;
}

// The style box's room in widths of an "X": enough for names like
// "Condensed Bold Oblique".
constexpr int StyleNameLength = 18;

bool RegularName(const QString& name)
{
    static const QStringList names{QStringLiteral("Regular"), QStringLiteral("Normal"), QStringLiteral("Book"),
                                   QStringLiteral("Roman")};
    return names.contains(name, Qt::CaseInsensitive);
}

QStringList FamilyStyles(const QString& family)
{
    std::vector<StyleFace> faces;
    for (const QString& style : QFontDatabase::styles(family))
        faces.push_back({style, QFontDatabase::weight(family, style), StyleItalic(family, style)});
    return StyleListOrder(std::move(faces));
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TFontChooserDialog::TFontChooserDialog(const TFont& font, const QColor& sampleBackground, QWidget* parent)
    : QDialog(parent), sampleBackground_(sampleBackground)
{
    setObjectName(QStringLiteral("FontChooser"));
    setWindowTitle(QStringLiteral("Font"));
    // The parts in tab order: each makes its controls and places them.
    auto* grid = new QGridLayout(this);
    AddFontRow(*grid);
    AddEffects(*grid);
    AddSample(*grid);
    AddWritingSystem(*grid);
    AddButtons(*grid);
    // Every control at the size it asks for: the style's smallest button is
    // narrower than "More colors...", and a smaller dialog would cut it.
    grid->setSizeConstraint(QLayout::SetFixedSize);
    Load(font);
    Connect();
}

void TFontChooserDialog::AddFontRow(QGridLayout& grid)
{
    family_ = new QFontComboBox(this);
    family_->setObjectName(QStringLiteral("Family"));
    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("Style"));
    // One width for every family: the dialog keeps its size whatever
    // family it opens on.
    style_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    style_->setMinimumContentsLength(StyleNameLength);
    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("Size"));
    size_->setRange(MinSize, MaxSize);
    grid.addWidget(Caption("&Font:", family_, this), 0, 0);
    grid.addWidget(Caption("Font st&yle:", style_, this), 0, 1);
    grid.addWidget(Caption("&Size:", size_, this), 0, 2);
    grid.addWidget(family_, 1, 0);
    grid.addWidget(style_, 1, 1);
    grid.addWidget(size_, 1, 2);
}

void TFontChooserDialog::AddEffects(QGridLayout& grid)
{
    auto* effects = new QGroupBox(QStringLiteral("Effects"), this);
    strikeout_ = new QCheckBox(QStringLiteral("Stri&keout"), effects);
    strikeout_->setObjectName(QStringLiteral("Strikeout"));
    underline_ = new QCheckBox(QStringLiteral("&Underline"), effects);
    underline_->setObjectName(QStringLiteral("Underline"));
    color_ = new QComboBox(effects);
    color_->setObjectName(QStringLiteral("Color"));
    color_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // A plain list: the menu-like look leaves too little room for the captions.
    color_->setItemDelegate(new QStyledItemDelegate(color_));
    // The whole table at once, and a colour of the user's own beyond it.
    color_->setMaxVisibleItems(static_cast<int>(ColorTable.size()) + 1);
    otherColor_ = new QPushButton(QStringLiteral("&More colors..."), effects);
    otherColor_->setObjectName(QStringLiteral("MoreColors"));
    otherColor_->setAutoDefault(false);
    auto* layout = new QGridLayout(effects);
    layout->addWidget(strikeout_, 0, 0, 1, 2);
    layout->addWidget(underline_, 1, 0, 1, 2);
    layout->addWidget(Caption("C&olor:", color_, effects), 2, 0, 1, 2);
    layout->addWidget(color_, 3, 0);
    layout->addWidget(otherColor_, 3, 1);
    layout->setRowStretch(4, 1);
    grid.addWidget(effects, 2, 0, 3, 1);
}

void TFontChooserDialog::AddSample(QGridLayout& grid)
{
    auto* box = new QGroupBox(QStringLiteral("Sample"), this);
    sample_ = new QLineEdit(box);
    sample_->setObjectName(QStringLiteral("Sample"));
    sample_->setAlignment(Qt::AlignCenter);
    // A large font must not resize the dialog.
    sample_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    sample_->setMinimumHeight(64);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(sample_);
    grid.addWidget(box, 2, 1, 1, 2);
}

void TFontChooserDialog::AddWritingSystem(QGridLayout& grid)
{
    writingSystem_ = new QComboBox(this);
    writingSystem_->setObjectName(QStringLiteral("WritingSystem"));
    // The whole table at once, and a charset of the font's own beyond it.
    writingSystem_->setMaxVisibleItems(static_cast<int>(CharsetTable.size()) + 1);
    grid.addWidget(Caption("&Writing system:", writingSystem_, this), 3, 1, 1, 2);
    grid.addWidget(writingSystem_, 4, 1, 1, 2, Qt::AlignTop);
}

void TFontChooserDialog::AddButtons(QGridLayout& grid)
{
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("Buttons"));
    grid.addWidget(buttons_, 5, 0, 1, 3);
}

void TFontChooserDialog::Load(const TFont& font)
{
    // The family and style drawn for the font, not the names it asks for.
    const QFontInfo shown(ToQFont(font));
    family_->setCurrentFont(QFont(shown.family()));
    FillStyles(font.Style & fsBold, font.Style & fsItalic);
    size_->setValue(font.Size > 0 ? font.Size : font.Height != 0 ? SizeFromHeight(font.Height) : shown.pointSize());
    strikeout_->setChecked(font.Style & fsStrikeOut);
    underline_->setChecked(font.Style & fsUnderline);
    FillColors(font.Color);
    FillCharsets(font.Charset);
    UpdateSampleText();
    UpdateSample();
}

void TFontChooserDialog::Connect()
{
    // Another family keeps the weight and slant of the style chosen last.
    connect(family_, &QFontComboBox::currentFontChanged, this, [this] {
        FillStyles(bold_, italic_);
        UpdateSample();
    });
    connect(style_, &QComboBox::currentIndexChanged, this, [this] {
        bold_ = StyleBold(Family(), style_->currentText());
        italic_ = StyleItalic(Family(), style_->currentText());
        UpdateSample();
    });
    connect(size_, &QSpinBox::valueChanged, this, &TFontChooserDialog::UpdateSample);
    connect(strikeout_, &QCheckBox::toggled, this, &TFontChooserDialog::UpdateSample);
    connect(underline_, &QCheckBox::toggled, this, &TFontChooserDialog::UpdateSample);
    connect(color_, &QComboBox::currentIndexChanged, this, &TFontChooserDialog::UpdateSample);
    connect(otherColor_, &QPushButton::clicked, this, &TFontChooserDialog::PickOtherColor);
    connect(writingSystem_, &QComboBox::currentIndexChanged, this, &TFontChooserDialog::UpdateSampleText);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TFontChooserDialog::Family() const { return family_->currentFont().family(); }

void TFontChooserDialog::FillStyles(bool bold, bool italic)
{
    const QString family = Family();
    const QStringList styles = FamilyStyles(family);
    QFont wanted(family);
    wanted.setBold(bold);
    wanted.setItalic(italic);
    // The style the font matcher draws for the wanted weight and slant,
    // else the first one of that weight and slant.
    int index = static_cast<int>(styles.indexOf(QFontInfo(wanted).styleName()));
    for (int i = 0; index < 0 && i < styles.size(); ++i)
        if (StyleBold(family, styles[i]) == bold && StyleItalic(family, styles[i]) == italic)
            index = i;
    const QSignalBlocker block(style_);
    style_->clear();
    style_->addItems(styles);
    style_->setCurrentIndex(index < 0 ? 0 : index);
    bold_ = bold;
    italic_ = italic;
}

void TFontChooserDialog::FillColors(TColor color)
{
    for (const ColorEntry& entry : ColorTable)
        color_->addItem(Swatch(ColorFromTColor(entry.color)), QString::fromLatin1(entry.caption),
                        ColorFromTColor(entry.color));
    SelectColor(ColorFromTColor(color));
}

void TFontChooserDialog::SelectColor(const QColor& color)
{
    int index = color_->findData(color);
    if (index < 0) {
        // One more entry beyond the table holds a colour of the user's own.
        index = static_cast<int>(ColorTable.size());
        if (color_->count() == index)
            color_->addItem(QStringLiteral("Custom"));
        color_->setItemIcon(index, Swatch(color));
        color_->setItemData(index, color);
    }
    color_->setCurrentIndex(index);
    UpdateSample();
}

void TFontChooserDialog::PickOtherColor()
{
    QColorDialog dialog(color_->currentData().value<QColor>(), this);
    dialog.setWindowTitle(QStringLiteral("Color"));
    if (dialog.exec() == QDialog::Accepted)
        SelectColor(dialog.selectedColor());
}

void TFontChooserDialog::FillCharsets(int charset)
{
    for (const CharsetEntry& entry : CharsetTable)
        writingSystem_->addItem(CharsetCaption(entry.charset), entry.charset);
    // A charset without a writing system of its own is offered as it is,
    // so that it comes back unchanged when the user leaves the choice.
    int index = writingSystem_->findData(charset);
    if (index < 0) {
        writingSystem_->addItem(CharsetCaption(charset), charset);
        index = writingSystem_->count() - 1;
    }
    writingSystem_->setCurrentIndex(index);
}

void TFontChooserDialog::UpdateSampleText()
{
    const auto system = WritingSystemOfCharset(writingSystem_->currentData().toInt());
    if (!system || *system == QFontDatabase::Any || *system == QFontDatabase::Latin)
        sample_->setText(QStringLiteral("AaBbYyZz"));
    else
        sample_->setText(QFontDatabase::writingSystemSample(*system));
}

void TFontChooserDialog::UpdateSample()
{
    QFont font = QFontDatabase::font(Family(), style_->currentText(), size_->value());
    font.setStrikeOut(strikeout_->isChecked());
    font.setUnderline(underline_->isChecked());
    sample_->setFont(font);
    // The sample's own sheet: a style for the dialog must not hide its colours.
    QString sheet = QStringLiteral("QLineEdit#Sample { color: %1;").arg(color_->currentData().value<QColor>().name());
    if (sampleBackground_.isValid())
        sheet += QStringLiteral(" background-color: %1;").arg(sampleBackground_.name());
    sample_->setStyleSheet(sheet + QStringLiteral(" }"));
}

TFont TFontChooserDialog::Chosen() const
{
    TFont font;
    const QString family = Family();
    const QString style = style_->currentText();
    font.Name = family;
    font.Size = size_->value();
    font.Height = HeightFromSize(font.Size);
    font.Pitch = QFontDatabase::isFixedPitch(family) ? TFontPitch::fpFixed : TFontPitch::fpVariable;
    font.Style = (StyleBold(family, style) ? fsBold : 0u) | (StyleItalic(family, style) ? fsItalic : 0u)
                 | (underline_->isChecked() ? fsUnderline : 0u) | (strikeout_->isChecked() ? fsStrikeOut : 0u);
    font.Color = TColorFromColor(color_->currentData().value<QColor>());
    font.Charset = writingSystem_->currentData().toInt();
    return font;
}

QStringList StyleListOrder(std::vector<StyleFace> faces)
{
    const auto key = [](const StyleFace& f) {
        return std::tuple(!(RegularName(f.name) && !f.italic), f.weight, f.italic, f.name.size(), f.name);
    };
    std::sort(faces.begin(), faces.end(), [&](const StyleFace& a, const StyleFace& b) { return key(a) < key(b); });
    QStringList names;
    for (const StyleFace& f : faces)
        names << f.name;
    return names;
}

bool ChooseFont(TFont& font, const QColor& sampleBackground)
{
    // No owner window, like the window's other boxes.
    TFontChooserDialog dialog(font, sampleBackground);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Chosen();
    return true;
}
