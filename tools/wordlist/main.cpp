// wordlist DICTIONARY EXERCISES LEFT_OUT OUT.cpp TEXT...: picks the words of free practice from
// a dictionary (one UTF-8 word a line, Debian's ngerman) and writes them as a C++ source of one
// code page 1252 string, the words sorted by their bytes and each ended by '\n'.
//
// A word is kept when
//  - every character of it occurs in the exercise lines (EXERCISES: `id<TAB>text` lines,
//    UTF-8), so the course teaches every key it needs;
//  - it is 2 to 8 letters long and not an abbreviation: no capital after the first letter, and
//    a vowel in it;
//  - it is common: the dictionary has no frequencies, so the word must occur at least 3 times,
//    spelt as in the dictionary, in the German TEXTs (UTF-8; Debian's German fortunes);
//  - a capitalised word is a noun rather than a name: the dictionary has forms of it other than
//    a genitive -s (Hund: Hunde, Vater: Väter), or compounds beginning with it (Milch: Milchglas,
//    Milchkaffee, Milchpulver), itself or the stem it is a form of (Bienen: Biene);
//  - it is not among the LEFT_OUT words (UTF-8, one a line, '#' comments): names these rules
//    take for nouns, old forms, and words unfit for a course.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::size_t kShortest = 2, kLongest = 8;
constexpr int kTimesSeen = 3, kCompoundsOfANoun = 3;
// What German adds to a noun for its plural and cases, beyond the genitive -s a name takes too;
// and the joints between the parts of a compound.
constexpr std::string_view kNounEndings[] = {"e", "en", "n", "er", "es", "ern", "ens", "ns", "se", "nen"};
constexpr std::string_view kJoints[] = {"", "s", "n", "en", "es", "e", "er"};

// The code page 1252 bytes of a UTF-8 text: Latin-1's characters (which code page 1252 holds
// at the same place) as they are, every other one as `other`, or nothing if `other` is 0.
std::optional<std::string> Latin1(const std::string& utf8, char other = 0)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i++]);
        const int following = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        unsigned code = following ? lead & (0x3Fu >> following) : lead;
        for (int k = 0; k < following && i < utf8.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF && following == 1)) {
            bytes += static_cast<char>(code);
        } else if (other) {
            bytes += other;
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

bool IsLetter(unsigned char c)
{
    return IsCapital(c) || (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7);
}

std::string Capitalised(std::string word)
{
    const auto first = static_cast<unsigned char>(word.empty() ? 0 : word[0]);
    if ((first >= 'a' && first <= 'z') || (first >= 0xE0 && first <= 0xFE && first != 0xF7))
        word[0] = static_cast<char>(first - 0x20);
    return word;
}

bool HasVowel(const std::string& word)
{
    return word.find_first_of("aeiouyAEIOUY\xE4\xF6\xFC\xC4\xD6\xDC") != std::string::npos;
}

// The stem with its last a, o or u made ä, ö or ü (Vater: Väter), or nothing.
std::optional<std::string> Umlauted(std::string stem)
{
    const std::size_t at = stem.find_last_of("aouAOU");
    if (at == std::string::npos)
        return std::nullopt;
    static constexpr std::string_view kPlain = "aouAOU", kUmlaut = "\xE4\xF6\xFC\xC4\xD6\xDC";
    stem[at] = kUmlaut[kPlain.find(stem[at])];
    return stem;
}

class Dictionary {
public:
    explicit Dictionary(std::vector<std::string> words) : words_(std::move(words))
    {
        std::sort(words_.begin(), words_.end());
    }
    const std::vector<std::string>& Words() const { return words_; }
    bool Has(const std::string& word) const { return std::binary_search(words_.begin(), words_.end(), word); }

    // A noun rather than a name, by the forms and compounds the dictionary has of it.
    bool IsNoun(const std::string& word) const
    {
        if (IsNounStem(word))
            return true;
        const auto formOfAStem = [&](std::string_view ending) {
            return word.size() > ending.size() + 1 && word.ends_with(ending) &&
                   IsNounStem(word.substr(0, word.size() - ending.size()));
        };
        return formOfAStem("s") || std::any_of(std::begin(kNounEndings), std::end(kNounEndings), formOfAStem);
    }

private:
    bool IsNounStem(const std::string& stem) const
    {
        if (!Has(stem))
            return false;
        const auto has = [&](const std::string& base, std::string_view ending) { return Has(base + std::string(ending)); };
        if (std::any_of(std::begin(kNounEndings), std::end(kNounEndings), [&](auto e) { return has(stem, e); }))
            return true;
        if (const auto umlauted = Umlauted(stem))
            for (const std::string_view ending : {"", "e", "er", "en"})
                if (has(*umlauted, ending))
                    return true;
        return Compounds(stem) >= kCompoundsOfANoun;
    }

    // How many different words follow the stem in compounds of the dictionary (joint aside).
    int Compounds(const std::string& stem) const
    {
        std::set<std::string> parts;
        for (auto it = std::upper_bound(words_.begin(), words_.end(), stem);
             it != words_.end() && it->starts_with(stem) && static_cast<int>(parts.size()) < kCompoundsOfANoun; ++it) {
            const std::string rest = it->substr(stem.size());
            for (const std::string_view joint : kJoints) {
                if (rest.starts_with(joint) && rest.size() >= joint.size() + 3 && Has(Capitalised(rest.substr(joint.size())))) {
                    parts.insert(rest.substr(joint.size()));
                    break;
                }
            }
        }
        return static_cast<int>(parts.size());
    }

    std::vector<std::string> words_;
};

// How often each word occurs in the texts, spelt as it is there.
std::unordered_map<std::string, int> WordsSeen(char* files[], int count)
{
    std::unordered_map<std::string, int> seen;
    for (int i = 0; i < count; ++i) {
        std::ifstream text(files[i]);
        if (!text) {
            std::fprintf(stderr, "wordlist: cannot read %s\n", files[i]);
            std::exit(1);
        }
        for (std::string line; std::getline(text, line);) {
            const std::string bytes = *Latin1(line, ' ');
            std::string word;
            for (const char c : bytes + ' ') {
                if (IsLetter(static_cast<unsigned char>(c))) {
                    word += c;
                } else if (!word.empty()) {
                    ++seen[word];
                    word.clear();
                }
            }
        }
    }
    return seen;
}

std::vector<std::string> Lines(std::istream& in)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void WriteSource(std::ostream& out, const std::set<std::string>& kept, const char* from)
{
    out << "// Made by tools/wordlist from " << from << ": " << kept.size() << " words. Not to be edited.\n"
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
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: wordlist DICTIONARY EXERCISES LEFT_OUT OUT.cpp TEXT...\n");
        return 2;
    }
    std::ifstream dictionaryFile(argv[1]), exercises(argv[2]), leftOutFile(argv[3]);
    if (!dictionaryFile || !exercises || !leftOutFile) {
        std::fprintf(stderr, "wordlist: cannot read %s, %s or %s\n", argv[1], argv[2], argv[3]);
        return 1;
    }
    std::set<unsigned char> taught;
    for (const std::string& line : Lines(exercises)) {
        const std::size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos)
            continue;
        if (const auto text = Latin1(line.substr(tab + 1)))
            taught.insert(text->begin(), text->end());
    }
    taught.erase(' ');
    std::set<std::string> leftOut;
    for (const std::string& line : Lines(leftOutFile))
        if (const auto word = Latin1(line); word && !word->empty() && (*word)[0] != '#')
            leftOut.insert(*word);
    std::vector<std::string> words;
    for (const std::string& line : Lines(dictionaryFile))
        if (const auto word = Latin1(line))
            words.push_back(*word);
    const Dictionary dictionary(std::move(words));
    const auto seen = WordsSeen(argv + 5, argc - 5);

    std::set<std::string> kept;
    for (const std::string& word : dictionary.Words()) {
        if (word.size() < kShortest || word.size() > kLongest || leftOut.contains(word) || !HasVowel(word))
            continue;
        const bool ownCharacters =
            std::all_of(word.begin(), word.end(), [&taught](char c) { return taught.contains(static_cast<unsigned char>(c)); });
        const bool abbreviation = std::any_of(word.begin() + 1, word.end(), [](char c) { return IsCapital(static_cast<unsigned char>(c)); });
        const auto times = seen.find(word);
        if (ownCharacters && !abbreviation && times != seen.end() && times->second >= kTimesSeen &&
            (!IsCapital(static_cast<unsigned char>(word[0])) || dictionary.IsNoun(word)))
            kept.insert(word);
    }
    if (kept.empty()) {
        std::fprintf(stderr, "wordlist: no word of %s was kept\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[4], std::ios::binary);
    WriteSource(out, kept, argv[1]);
    out.close();
    if (!out) {
        std::fprintf(stderr, "wordlist: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
