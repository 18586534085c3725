#pragma once
// The result memo's lines over a QPlainTextEdit. One Add is one memo line:
// characters that the text control would take as a line break (CR, LF,
// U+2029 and the two frame marks) are shown as a sign instead.
#include "UnicodeString.h"

#include <QPlainTextEdit>

#include <vector>

class TMemoLines {
public:
    explicit TMemoLines(QPlainTextEdit& memo);

    void Add(const UnicodeString& line);
    // Adds the lines in one edit: the same memo as one Add per line, faster.
    void AddStrings(const std::vector<UnicodeString>& lines);
    void Clear();
    int Count() const;
    // The line as the memo shows it.
    UnicodeString Get(int index) const;

private:
    QPlainTextEdit& memo_;
    // An empty document holds either no line or one empty line.
    bool hasLines_;
};

// The form in which the memo shows a line.
QString MemoDisplayText(const UnicodeString& line);
