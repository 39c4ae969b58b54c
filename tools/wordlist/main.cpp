// wordlist DICTIONARY EXERCISES OUT.cpp: picks the words of free practice from a dictionary
// (one UTF-8 word a line, Debian's ngerman) and writes them as a C++ source of one code page
// 1252 string, the words sorted by their bytes and each ended by '\n'.
//
// A word is kept when
//  - every character of it occurs in the exercise lines (EXERCISES: `id<TAB>text` lines,
//    UTF-8), so the course teaches every key it needs;
//  - it is not an abbreviation: no capital after the first letter, and a vowel in it;
//  - it is 2 to 8 letters long, and short or common: the dictionary has no frequencies, so
//    all words of up to 5 letters are kept (the small words German is made of), and a longer
//    one only when at least 20 other words of the dictionary begin with it (its inflections,
//    derivations and compounds: a stem German builds on is a common one).
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kShortest = 2, kLongest = 8, kAlwaysKept = 5, kWordsBuiltOn = 20;

// The code page 1252 bytes of a UTF-8 text, if every character is one of Latin-1's letters
// and signs (those code page 1252 holds at the same place); otherwise nothing.
std::optional<std::string> Latin1(const std::string& utf8)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[++i]);
            const int code = ((c & 0x1F) << 6) | (next & 0x3F);
            if ((next & 0xC0) != 0x80 || code < 0xA0)
                return std::nullopt;
            bytes += static_cast<char>(code);
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

bool IsCapital(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

unsigned char Small(unsigned char c)
{
    return IsCapital(c) ? static_cast<unsigned char>(c + 0x20) : c;
}

std::string Small(std::string word)
{
    for (char& c : word)
        c = static_cast<char>(Small(static_cast<unsigned char>(c)));
    return word;
}

bool HasVowel(const std::string& word)
{
    return Small(word).find_first_of("aeiouy\xE4\xF6\xFC") != std::string::npos;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: wordlist DICTIONARY EXERCISES OUT.cpp\n");
        return 2;
    }
    std::ifstream dictionaryFile(argv[1]), exercises(argv[2]);
    if (!dictionaryFile || !exercises) {
        std::fprintf(stderr, "wordlist: cannot read %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    std::set<unsigned char> taught;
    for (std::string line; std::getline(exercises, line);) {
        const std::size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos)
            continue;
        if (const auto text = Latin1(line.substr(tab + 1)))
            taught.insert(text->begin(), text->end());
    }
    taught.erase(' ');

    std::vector<std::string> dictionary;
    for (std::string line; std::getline(dictionaryFile, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (const auto word = Latin1(line))
            dictionary.push_back(*word);
    }
    // The words in small letters, sorted: those beginning with a word lie right after it.
    std::vector<std::string> small;
    for (const std::string& word : dictionary)
        small.push_back(Small(word));
    std::sort(small.begin(), small.end());
    const auto builtOn = [&small](const std::string& word) {
        const std::string stem = Small(word);
        std::size_t count = 0;
        for (auto it = std::upper_bound(small.begin(), small.end(), stem);
             it != small.end() && it->starts_with(stem) && count < kWordsBuiltOn; ++it)
            count += *it != stem;
        return count;
    };

    std::set<std::string> kept;
    for (const std::string& word : dictionary) {
        const bool ownCharacters =
            std::all_of(word.begin(), word.end(), [&taught](char c) { return taught.contains(static_cast<unsigned char>(c)); });
        const bool abbreviation = std::any_of(word.begin() + (word.empty() ? 0 : 1), word.end(),
                                              [](char c) { return IsCapital(static_cast<unsigned char>(c)); }) ||
                                  !HasVowel(word);
        if (ownCharacters && !abbreviation && word.size() >= kShortest && word.size() <= kLongest &&
            (word.size() <= kAlwaysKept || builtOn(word) >= kWordsBuiltOn))
            kept.insert(word);
    }
    if (kept.empty()) {
        std::fprintf(stderr, "wordlist: no word of %s was kept\n", argv[1]);
        return 1;
    }

    std::ofstream out(argv[3], std::ios::binary);
    out << "// Made by tools/wordlist from " << argv[1] << ": " << kept.size() << " words. Not to be edited.\n"
        << "extern const char kPracticeWords[];\n"
        << "const char kPracticeWords[] =";
    // The words as octal escapes where needed (a hex escape would swallow the letters after
    // it), about 100 columns to a line of the source.
    std::string line;
    for (const std::string& word : kept) {
        for (const char c : word + '\n') {
            const auto byte = static_cast<unsigned char>(c);
            if (byte == '\n') {
                line += "\\n";
            } else if (byte >= 0x80 || byte == '"' || byte == '\\') {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\%03o", byte);
                line += escape;
            } else {
                line += c;
            }
        }
        if (line.size() > 90) {
            out << "\n    \"" << line << '"';
            line.clear();
        }
    }
    if (!line.empty())
        out << "\n    \"" << line << '"';
    out << ";\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "wordlist: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
