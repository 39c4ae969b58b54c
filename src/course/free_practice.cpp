#include "course/free_practice.h"

#include "course/lessons.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

// Made at build time by tools/wordlist: the words, each ended by '\n'.
extern const char kPracticeWords[];

namespace {

constexpr double kWeakKeyWeight = 8;
// How many drills a line draws at most to find ones it does not hold yet.
constexpr int kDrillTries = 100;

bool IsCapital(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

unsigned char Small(unsigned char c)
{
    return IsCapital(c) ? static_cast<unsigned char>(c + 0x20) : c;
}

// SplitMix64: the same numbers with every compiler and library.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number in [0, limit).
    double Below(double limit) { return static_cast<double>(Next() >> 11) * 0x1.0p-53 * limit; }

private:
    uint64_t state_;
};

// The index of an entry picked by weight, or -1 when no entry has any.
int PickByWeight(const std::vector<double>& weights, Random& random)
{
    double total = 0;
    for (const double w : weights)
        total += w;
    if (total <= 0)
        return -1;
    double at = random.Below(total);
    int last = -1;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (weights[i] <= 0)
            continue;
        last = static_cast<int>(i);
        if (at < weights[i])
            break;
        at -= weights[i];
    }
    return last;
}

}  // namespace

const std::vector<std::string>& PracticeWords()
{
    static const std::vector<std::string> words = [] {
        std::vector<std::string> list;
        std::string_view rest(kPracticeWords);
        for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(end + 1))
            list.emplace_back(rest.substr(0, end));
        return list;
    }();
    return words;
}

std::string TaughtCharacters(const StringTable& strings, int lesson, bool leftHand)
{
    std::array<bool, 256> seen{};
    const int last = std::min(lesson, static_cast<int>(kLessonLines.size()) - 1);
    for (int l = 0; l <= last; ++l) {
        const ExerciseSet set = ExerciseSetFor(l, leftHand);
        for (int line = 0; line < set.lines; ++line)
            for (const char c : strings.Get(set.base + line))
                seen[static_cast<unsigned char>(c)] = true;
    }
    seen[' '] = false;
    std::string taught;
    for (std::size_t c = 0; c < seen.size(); ++c)
        if (seen[c])
            taught += static_cast<char>(c);
    return taught;
}

std::vector<std::string> TypeableWords(const std::vector<std::string>& words, const std::string& taught)
{
    std::array<bool, 256> isTaught{};
    for (const char c : taught)
        isTaught[static_cast<unsigned char>(c)] = true;
    isTaught[' '] = false;
    const bool shiftTaught = std::any_of(taught.begin(), taught.end(),
                                         [](char c) { return IsCapital(static_cast<unsigned char>(c)); });
    std::vector<std::string> typeable;
    for (std::string word : words) {
        if (!shiftTaught && !word.empty())
            word[0] = static_cast<char>(Small(static_cast<unsigned char>(word[0])));
        if (!word.empty() && std::all_of(word.begin(), word.end(), [&isTaught](char c) { return isTaught[static_cast<unsigned char>(c)]; }))
            typeable.push_back(std::move(word));
    }
    std::sort(typeable.begin(), typeable.end());
    typeable.erase(std::unique(typeable.begin(), typeable.end()), typeable.end());
    return typeable;
}

std::string PracticeLine(const std::vector<std::string>& typeable, const std::string& taught,
                         const std::map<unsigned char, double>& errorRate, uint32_t seed, int maxChars)
{
    const auto rate = [&errorRate](unsigned char c) {
        double worst = 0;
        for (const unsigned char key : {c, Small(c)})
            if (const auto it = errorRate.find(key); it != errorRate.end())
                worst = std::max(worst, it->second);
        return worst;
    };
    const auto weight = [&rate](std::string_view word) {
        double sum = 0;
        for (const char c : word)
            sum += rate(static_cast<unsigned char>(c));
        return 1 + kWeakKeyWeight * sum;
    };
    std::vector<double> weights;
    for (const std::string& word : typeable)
        weights.push_back(weight(word));

    Random random(seed);
    std::string line;
    const auto room = [&line, maxChars] {
        return maxChars - static_cast<int>(line.size()) - (line.empty() ? 0 : 1);
    };
    const auto append = [&line](std::string_view word) {
        if (!line.empty())
            line += ' ';
        line += word;
    };
    for (;;) {
        std::vector<double> fitting = weights;
        for (std::size_t i = 0; i < typeable.size(); ++i)
            if (static_cast<int>(typeable[i].size()) > room())
                fitting[i] = 0;
        const int pick = PickByWeight(fitting, random);
        if (pick < 0)
            break;
        append(typeable[static_cast<std::size_t>(pick)]);
        weights[static_cast<std::size_t>(pick)] = 0;
    }

    // Drills of the taught keys where the words run out before the line is full: "aba" of two
    // keys picked by their weight, as in "fgf jjj".
    std::vector<double> keyWeights(taught.size());
    for (std::size_t i = 0; i < taught.size(); ++i)
        keyWeights[i] = taught[i] != ' ' ? weight(taught.substr(i, 1)) : 0;
    std::set<std::string> drills;
    for (int tries = 0; room() >= 3 && tries < kDrillTries; ++tries) {
        const int a = PickByWeight(keyWeights, random), b = PickByWeight(keyWeights, random);
        if (a < 0)
            break;
        const char outer = taught[static_cast<std::size_t>(a)], inner = taught[static_cast<std::size_t>(b)];
        if (const std::string drill{outer, inner, outer}; drills.insert(drill).second)
            append(drill);
    }
    return line;
}
