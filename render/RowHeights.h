#pragma once
// The tallest row a line of text can take in Qt's document layout, before
// it is laid out: what the preview counts its rows by (ShownRows.h).
//
//     TRowHeights heights;
//     const double most = heights.Tallest(line, preview.font(), px);
//
// A row is as high as the tallest ascent and descent and the largest
// leading among the fonts that draw its characters (QTextEngine::shapeText
// takes them from every fallback face an item uses; the document layout
// rounds the sum up: QTextDocumentLayoutPrivate::layoutBlock, Qt 6.4.2 and
// 6.8.2). A line of Latin and common characters that the font's own faces
// hold (regular, bold, italic, bold italic: the renderer's styles) is drawn
// with those faces alone; any other may take a fallback face, which may be
// any installed font, so it is bounded by the tallest of them all
// (PreviewRowsTest::rowsStayWithinTheirBound, on the tallest font
// installed).
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <memory>
#include <vector>

class TRowHeights {
public:
    // The most a row of text can be high, laid out in font at px pixels.
    double Tallest(const QString& text, const QFont& font, double px);

private:
    // Heights per pixel of the font size.
    struct Metrics {
        double ascent = 0;
        double descent = 0;
        double leading = 0;
        void Widen(const Metrics& m);
        double Row(double px) const;
    };
    // A font's own faces, those Qt draws Latin and common text with: their
    // metrics, and which characters they all hold, looked up once each.
    struct Faces {
        explicit Faces(const QFont& font);
        bool Hold(const QString& text);
        bool HoldCharacter(char32_t c) const;

        QFont font; // at the reference size
        std::vector<QRawFont> raw;
        Metrics metrics;
        std::vector<signed char> units;
        QHash<char32_t, bool> points;
    };

    Faces& FacesOf(const QFont& font);
    const Metrics& Installed();

    std::unique_ptr<Faces> faces_;
    std::unique_ptr<Metrics> installed_;
};
