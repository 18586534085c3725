// The tallest row of a line: its font's own faces where they hold the
// whole line, else the tallest of every installed font.
#include "RowHeights.h"

#include <QChar>
#include <QFontDatabase>

#include <algorithm>
#include <initializer_list>

namespace {

// Faces are measured at this pixel size and scaled: their heights grow with
// the size, and a large size keeps the rounding of small ones out.
constexpr int Reference = 1000;

// Qt rounds the ascent, the descent and the leading of a face at a small
// size, each by less than a pixel, and the row's height up.
constexpr double Rounding = 4;

enum : signed char { Unknown = -1, Missing = 0, Held = 1 };

// The four faces of font that the renderer's styles draw with (regular,
// bold, italic, bold italic), as Qt picks them for a writing system.
std::vector<QRawFont> StyleFaces(const QFont& font, QFontDatabase::WritingSystem system)
{
    std::vector<QRawFont> faces;
    for (const bool bold : {false, true})
        for (const bool italic : {false, true}) {
            QFont f = font;
            f.setPixelSize(Reference);
            f.setBold(bold);
            f.setItalic(italic);
            faces.push_back(QRawFont::fromFont(f, system));
        }
    return faces;
}

// A character Qt draws in the font's Latin faces where they hold it: a
// Latin or common one, or a mark, which takes its neighbour's face.
bool DrawnLikeLatin(char32_t c)
{
    const QChar::Script script = QChar::script(c);
    return script == QChar::Script_Latin || script == QChar::Script_Common || script == QChar::Script_Inherited;
}

} // namespace

void TRowHeights::Metrics::Widen(const Metrics& m)
{
    ascent = std::max(ascent, m.ascent);
    descent = std::max(descent, m.descent);
    leading = std::max(leading, m.leading);
}

double TRowHeights::Metrics::Row(double px) const { return (ascent + descent + leading) * px + Rounding; }

TRowHeights::Faces::Faces(const QFont& f) : font(f), raw(StyleFaces(f, QFontDatabase::Latin)), units(0x10000, Unknown)
{
    font.setPixelSize(Reference);
    // A run of common characters alone is drawn in the faces Qt picks for
    // no writing system, which for a font without Latin are others.
    for (QRawFont& face : StyleFaces(f, QFontDatabase::Any))
        raw.push_back(std::move(face));
    for (const QRawFont& face : raw)
        metrics.Widen({face.ascent() / Reference, face.descent() / Reference, face.leading() / Reference});
}

bool TRowHeights::Faces::HoldCharacter(char32_t c) const
{
    if (!DrawnLikeLatin(c))
        return false;
    return std::all_of(raw.begin(), raw.end(), [c](const QRawFont& face) { return face.supportsCharacter(c); });
}

bool TRowHeights::Faces::Hold(const QString& text)
{
    const char16_t* u = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (QChar::isHighSurrogate(u[i]) && i + 1 < n && QChar::isLowSurrogate(u[i + 1])) {
            const char32_t c = QChar::surrogateToUcs4(u[i], u[i + 1]);
            auto known = points.constFind(c);
            if (known == points.cend())
                known = points.insert(c, HoldCharacter(c));
            if (!*known)
                return false;
            ++i;
            continue;
        }
        // A lone surrogate is no character a face holds.
        signed char& known = units[u[i]];
        if (known == Unknown)
            known = !QChar::isSurrogate(u[i]) && HoldCharacter(u[i]) ? Held : Missing;
        if (known == Missing)
            return false;
    }
    return true;
}

TRowHeights::Faces& TRowHeights::FacesOf(const QFont& font)
{
    QFont key = font;
    key.setPixelSize(Reference);
    if (!faces_ || !(faces_->font == key))
        faces_ = std::make_unique<Faces>(font);
    return *faces_;
}

const TRowHeights::Metrics& TRowHeights::Installed()
{
    // Qt reads the installed fonts once, when the application starts.
    if (!installed_) {
        installed_ = std::make_unique<Metrics>();
        for (const QString& family : QFontDatabase::families())
            for (const QRawFont& face : StyleFaces(QFont(family), QFontDatabase::Any))
                installed_->Widen({face.ascent() / Reference, face.descent() / Reference, face.leading() / Reference});
    }
    return *installed_;
}

double TRowHeights::Tallest(const QString& text, const QFont& font, double px)
{
    Faces& own = FacesOf(font);
    if (own.Hold(text))
        return own.metrics.Row(px);
    Metrics any = Installed();
    any.Widen(own.metrics);
    return any.Row(px);
}
