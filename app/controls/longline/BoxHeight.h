#pragma once
// The height of the box of a line edit's text, which the line edit centres
// in the field: measured again only when the text or the font changed, and
// on a long line without laying the line out. QLineEdit::paintEvent (Qt
// 6.4.2 and 6.8.2) measures it at every paint as
// QFontMetrics::boundingRect(text + preedit).height(), at least the font's
// height (EditFieldTest::looksLikeALineEdit, the "tall" rows).
#include <QFont>
#include <QHash>
#include <QString>

#include <vector>

class QFontMetrics;
class QRect;

class TBoxHeight {
public:
    // The height of the box of text followed by preedit, as the font's
    // metrics give it, at least the font's height.
    int Of(const QString& text, const QString& preedit, const QFont& font);

private:
    int Measure(const QString& text, const QString& preedit) const;
    bool Inside(const QString& text, const QFontMetrics& fm, const QRect& base) const;

    QString text_;
    QString preedit_;
    QFont font_;
    bool measured_ = false;
    int height_ = 0;
    // Whether a character's own box stays inside the font's, per font.
    mutable std::vector<signed char> unitInside_;
    mutable QHash<char32_t, bool> pointInside_;
};
