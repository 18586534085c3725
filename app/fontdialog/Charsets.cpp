// Character sets and their writing systems, looked up in the one table.
#include "Charsets.h"

#include <algorithm>

namespace {
const CharsetEntry* Find(int charset)
{
    const auto* row = std::find_if(CharsetTable.begin(), CharsetTable.end(),
                                   [charset](const CharsetEntry& e) { return e.charset == charset; });
    return row == CharsetTable.end() ? nullptr : row;
}
} // namespace

std::optional<QFontDatabase::WritingSystem> WritingSystemOfCharset(int charset)
{
    if (const CharsetEntry* row = Find(charset))
        return row->writingSystem;
    return std::nullopt;
}

QString CharsetCaption(int charset)
{
    const CharsetEntry* row = Find(charset);
    if (!row)
        return QStringLiteral("Character set %1").arg(charset);
    const QString name = QFontDatabase::writingSystemName(row->writingSystem);
    return row->variant ? QStringLiteral("%1 (%2)").arg(name, QString::fromLatin1(row->variant)) : name;
}
