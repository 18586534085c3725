#pragma once
// The font dialog's window: family, style, size, effects, colour and
// writing system of a font, with a sample line, built from Qt's widgets.
#include "FontModel.h"

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <vector>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFontComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TFontChooserDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the font as the screen shows it: the family actually in use
    // (a family that is not installed gives way to the one drawn instead),
    // its size, style, colour and charset. The sample shows the font on
    // sampleBackground when that is valid.
    explicit TFontChooserDialog(const TFont& font, const QColor& sampleBackground = {}, QWidget* parent = nullptr);

    // The font as the dialog shows it now.
    TFont Chosen() const;

    // The sizes the size box takes, in points.
    static constexpr int MinSize = 1;
    static constexpr int MaxSize = 512;

private:
    // The steps of building the dialog, in this order.
    void AddFontRow(QGridLayout& grid);
    void AddEffects(QGridLayout& grid);
    void AddSample(QGridLayout& grid);
    void AddWritingSystem(QGridLayout& grid);
    void AddButtons(QGridLayout& grid);
    void Load(const TFont& font);
    void Connect();

    void FillStyles(bool bold, bool italic);
    void FillColors(TColor color);
    void FillCharsets(int charset);
    void SelectColor(const QColor& color);
    void PickOtherColor();
    void UpdateSampleText();
    void UpdateSample();
    QString Family() const;

    QFontComboBox* family_;
    QComboBox* style_;
    QSpinBox* size_;
    QCheckBox* strikeout_;
    QCheckBox* underline_;
    QComboBox* color_;
    QPushButton* otherColor_;
    QComboBox* writingSystem_;
    QLineEdit* sample_;
    QDialogButtonBox* buttons_;
    QColor sampleBackground_;
    // Weight and slant of the style chosen last.
    bool bold_ = false;
    bool italic_ = false;
};

// One style of a family as the style list sees it.
struct StyleFace {
    QString name;
    int weight;  // QFont's scale: 400 normal, 700 bold
    bool italic; // oblique counts as italic
};

// A family's styles in the order the style list shows them, whatever order
// the font database gives: the regular face (named Regular, Normal, Book or
// Roman) first, then by weight, upright before italic; faces alike in both
// by the shorter name, then by name.
QStringList StyleListOrder(std::vector<StyleFace> faces);

// Shows the dialog modally on font; when the user confirms, font becomes
// the chosen one and the result is true. Cancelled, font stays as it was.
bool ChooseFont(TFont& font, const QColor& sampleBackground);
