// The benchmark's lines, made from fixed seeds.
#include "Workloads.h"

#include "Codes.h"

#include <random>

namespace {

void AddNumber(std::u16string& s, std::mt19937& rng)
{
    std::uniform_int_distribution<int> pick(0, 99);
    const int kind = pick(rng);
    // Mostly colour indexes, some larger numbers, some single digits.
    int n = kind < 60 ? pick(rng) % 16 : pick(rng);
    const bool twoDigits = kind < 45 || n > 9;
    if (twoDigits)
        s.push_back(static_cast<char16_t>(u'0' + n / 10 % 10));
    s.push_back(static_cast<char16_t>(u'0' + n % 10));
}

void AddColorCode(std::u16string& s, std::mt19937& rng)
{
    s.push_back(ctrlC);
    AddNumber(s, rng);
    if (rng() % 3 == 0) {
        s.push_back(u',');
        AddNumber(s, rng);
    }
}

void AddWord(std::u16string& s, std::mt19937& rng, int maxLetters)
{
    static const char16_t letters[] = u"etaoinshrdlucmfwypvbgkjqxz";
    const int n = 1 + static_cast<int>(rng() % static_cast<unsigned>(maxLetters));
    for (int i = 0; i < n; ++i)
        s.push_back(letters[rng() % 26]);
}

} // namespace

UnicodeString ChatLine()
{
    std::mt19937 rng(20240601);
    std::u16string s = u"<nick> ";
    const char16_t styles[] = {ctrlB, ctrlU, ctrlI, ctrlT};
    // A code before every second word until eight stand in the line.
    for (int word = 0, codes = 0; s.size() < 120; ++word) {
        if (codes < 8 && word % 2 == 1) {
            if (codes % 2 == 0)
                AddColorCode(s, rng);
            else
                s.push_back(styles[rng() % 4]);
            ++codes;
        }
        AddWord(s, rng, 7);
        s.push_back(u' ');
    }
    s.resize(120);
    return UnicodeString(std::move(s));
}

UnicodeString DenseLine(int length, unsigned seed)
{
    std::mt19937 rng(seed);
    static const char16_t styles[] = {ctrlB, ctrlU, ctrlI, ctrlS, ctrlT};
    static const char16_t rare[] = {0x04, 0x11, 0x16, 0x17, ctrlFF};
    std::u16string s;
    s.reserve(static_cast<std::size_t>(length) + 16);
    while (static_cast<int>(s.size()) < length) {
        const unsigned kind = rng() % 100;
        if (kind < 24)
            AddColorCode(s, rng);
        else if (kind < 27)
            s.push_back(ctrlC);
        else if (kind < 45)
            s.push_back(styles[rng() % 5]);
        else if (kind < 50)
            s.push_back(rare[rng() % 5]);
        else if (kind < 62)
            AddNumber(s, rng);
        else if (kind < 68) {
            // A comma with a number behind it, so that Pass1 runs all its
            // loops instead of ending at a background that is no number.
            s.push_back(u',');
            AddNumber(s, rng);
        } else if (kind < 88)
            AddWord(s, rng, 5);
        else
            s.push_back(u' ');
    }
    s.resize(static_cast<std::size_t>(length));
    return UnicodeString(std::move(s));
}

namespace {

struct Maker {
    const char* name;
    const char* about;
    UnicodeString (*make)();
};

const Maker Makers[] = {
    {"W1", "chat line", ChatLine},
    {"W2", "512 dense", [] { return DenseLine(512, 2); }},
    {"W3", "32767 dense", [] { return DenseLine(32767, 3); }},
    {"W4", "1Mi dense", [] { return DenseLine(1 << 20, 4); }},
    {"4Mi", "4Mi dense", [] { return DenseLine(4 << 20, 5); }},
    {"PS458k", "458752 U+2029", [] { return UnicodeString(std::u16string(458752, u'\u2029')); }},
    {"LF1Mi", "1Mi LF", [] { return UnicodeString(std::u16string(1 << 20, u'\n')); }},
    {"CRLF1Mi", "1Mi CR LF",
     [] {
         std::u16string pairs;
         for (int i = 0; i < (1 << 20); ++i)
             pairs += u"\r\n";
         return UnicodeString(std::move(pairs));
     }},
    {"LF4Mi", "4Mi LF", [] { return UnicodeString(std::u16string(4 << 20, u'\n')); }},
    {"Alt1Mi", "1Mi a/alef",
     [] {
         std::u16string s;
         for (int i = 0; i < (1 << 19); ++i)
             s += u"a\u05D0";
         return UnicodeString(std::move(s));
     }},
    {"All64k", "every unit",
     [] {
         std::u16string every;
         for (int u = 0; u <= 0xFFFF; ++u)
             every.push_back(static_cast<char16_t>(u));
         return UnicodeString(std::move(every));
     }},
};

} // namespace

const std::vector<Workload>& Workloads()
{
    static const std::vector<Workload> all = [] {
        std::vector<Workload> w;
        for (const char* name : {"W1", "W2", "W3", "W4"})
            w.push_back(*MakeWorkload(name));
        return w;
    }();
    return all;
}

const std::vector<std::string>& WindowLineNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const Maker& m : Makers)
            n.push_back(m.name);
        return n;
    }();
    return names;
}

std::optional<Workload> MakeWorkload(const std::string& name)
{
    for (const Maker& m : Makers)
        if (name == m.name)
            return Workload{m.name, m.about, m.make()};
    return std::nullopt;
}

int CountCodes(const UnicodeString& text)
{
    int n = 0;
    for (char16_t c : text.str())
        n += c < 0x20;
    return n;
}
