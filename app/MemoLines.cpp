#include "MemoLines.h"

#include "QtText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QString MemoDisplayText(const UnicodeString& line)
{
    QString s = ToQString(line);
    for (QChar& c : s) {
        switch (c.unicode()) {
        case u'\n': c = QChar(0x240A); break; // symbol for line feed
        case u'\r': c = QChar(0x240D); break; // symbol for carriage return
        case 0x2029:
        case 0xFDD0:
        case 0xFDD1: c = QChar(QChar::ReplacementCharacter); break;
        default: break;
        }
    }
    return s;
}

TMemoLines::TMemoLines(QPlainTextEdit& memo) : memo_(memo), hasLines_(!memo.document()->isEmpty()) {}

void TMemoLines::Add(const UnicodeString& line) { AddStrings({line}); }

void TMemoLines::AddStrings(const std::vector<UnicodeString>& lines)
{
    if (lines.empty())
        return;
    QString text;
    bool first = !hasLines_ && memo_.document()->isEmpty();
    for (const UnicodeString& line : lines) {
        if (!first)
            text += QLatin1Char('\n');
        first = false;
        text += MemoDisplayText(line);
    }
    QTextCursor cursor(memo_.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    hasLines_ = true;
}

void TMemoLines::Clear()
{
    memo_.clear();
    hasLines_ = false;
}

int TMemoLines::Count() const
{
    const QTextDocument* doc = memo_.document();
    return doc->isEmpty() && !hasLines_ ? 0 : doc->blockCount();
}

UnicodeString TMemoLines::Get(int index) const
{
    return FromQString(memo_.document()->findBlockByNumber(index).text());
}
