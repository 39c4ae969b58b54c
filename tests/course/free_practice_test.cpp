#include "course/free_practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <set>

namespace {

const StringTable& Course()
{
    static const Resources resources = Resources::BuiltIn();
    return resources.strings;
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    for (const auto word : std::views::split(line, ' '))
        words.emplace_back(word.begin(), word.end());
    return words;
}

// The word with its first letter small, as lines write nouns before Shift is taught.
std::string Small(std::string word)
{
    const auto c = static_cast<unsigned char>(word[0]);
    word[0] = static_cast<char>(c < 'a' || (c >= 0xC0 && c < 0xDF) ? c + 0x20 : c);
    return word;
}

TEST(FreePractice, TaughtCharactersAreThoseOfTheLessonsSoFarForTheHand)
{
    EXPECT_EQ(TaughtCharacters(Course(), 5, true), "dfghijkmru");
    EXPECT_EQ(TaughtCharacters(Course(), 5, false), "cdefghjkru");
    EXPECT_EQ(TaughtCharacters(Course(), 1, true), "");
}

// Every line holds only taught characters, real words each once (or drills, "kfk", where the
// words run out) and single spaces, and it fills most of its width; the seed alone chooses it.
TEST(FreePractice, LinesHoldOnlyTaughtKeysAndEachWordOnce)
{
    std::set<std::string> known;
    for (const std::string& word : PracticeWords())
        known.insert({word, Small(word)});
    const struct { int lesson; bool leftHand; int width; } cases[] = {
        {4, true, 45}, {5, true, 45}, {5, false, 30}, {8, true, 45}, {12, false, 50}, {23, true, 45}};
    for (const auto& c : cases) {
        const std::string taught = TaughtCharacters(Course(), c.lesson, c.leftHand);
        const std::vector<std::string> typeable = TypeableWords(PracticeWords(), taught);
        std::string previous;
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            const std::string line = PracticeLine(typeable, taught, {}, seed, c.width);
            EXPECT_EQ(line, PracticeLine(typeable, taught, {}, seed, c.width));
            EXPECT_NE(line, previous);
            previous = line;
            const std::vector<std::string> words = Words(line);
            SCOPED_TRACE("lesson " + std::to_string(c.lesson) + (c.leftHand ? " left: " : " right: ") + line);
            EXPECT_LE(line.size(), std::size_t(c.width));
            EXPECT_GE(line.size() * 3, std::size_t(c.width * 2));
            EXPECT_EQ(line.find_first_not_of(taught + ' '), std::string::npos);
            EXPECT_EQ(std::set(words.begin(), words.end()).size(), words.size());
            for (const std::string& word : words)
                EXPECT_TRUE(known.contains(word) || (word.size() == 3 && word[0] == word[2])) << word;
        }
    }
}

TEST(FreePractice, WeakKeysComeMoreOften)
{
    const std::string taught = TaughtCharacters(Course(), 12, true);
    const std::vector<std::string> typeable = TypeableWords(PracticeWords(), taught);
    const auto count = [&](const std::map<unsigned char, double>& rates, char key) {
        int n = 0;
        for (uint32_t seed = 0; seed < 300; ++seed)
            for (const char c : PracticeLine(typeable, taught, rates, seed))
                n += c == key;
        return n;
    };
    // A capital is struck with its key: its small letter's rate counts for it too.
    for (const char key : {'k', 'K'}) {
        const int plain = count({}, key), weak = count({{'k', 0.5}}, key);
        EXPECT_GT(weak, plain * 3 / 2) << key;
        EXPECT_GT(plain, 30) << key;
    }
}

// Small word lists show the rules: nouns written small before Shift is taught, each word
// once, and drills of the taught keys, each once too, where the words run out.
TEST(FreePractice, SmallListsAndDrills)
{
    const struct { std::vector<std::string> words; std::string taught; int width; std::multiset<std::string> expected; } cases[] = {
        {{"Kuh", "Uhr", "Hut"}, "hkru", 7, {"kuh", "uhr"}},
        {{"Kuh", "Uhr"}, "Khkru", 6, {"Kuh"}},
        {{"Weg", "weg", "ehe"}, "eghw", 9, {"ehe", "weg"}},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> words = Words(PracticeLine(TypeableWords(c.words, c.taught), c.taught, {}, 1, c.width));
        EXPECT_EQ(std::multiset(words.begin(), words.end()), c.expected) << c.taught;
    }
    const std::string homeKeys = TaughtCharacters(Course(), 2, true);
    for (const auto& [words, taught] : {std::pair{PracticeWords(), homeKeys}, {{"du"}, "dfghjkru"}}) {
        const std::string line = PracticeLine(TypeableWords(words, taught), taught, {}, 3, 40);
        EXPECT_GE(line.size(), 20u) << line;
        EXPECT_EQ(line.find_first_not_of(taught + ' '), std::string::npos) << line;
    }
}

// The words the program carries: the course teaches every character of each, and they are
// short, sorted and each there once; common words and nouns, but no rare word, name or word
// left out by hand.
TEST(FreePractice, TheWordListFitsTheCourse)
{
    std::string course;
    for (const bool left : {true, false})
        course += TaughtCharacters(Course(), 23, left);
    const std::vector<std::string>& words = PracticeWords();
    EXPECT_GT(words.size(), 5000u);
    EXPECT_TRUE(std::adjacent_find(words.begin(), words.end(), std::greater_equal<>()) == words.end());
    for (const std::string& word : words) {
        EXPECT_EQ(word.find_first_not_of(course), std::string::npos) << word;
        EXPECT_TRUE(word.size() >= 2 && word.size() <= 8) << word;
    }
    const auto has = [&words](const char* word) { return std::binary_search(words.begin(), words.end(), word); };
    for (const char* word : {"Haus", "Kuh", "Milch", "V\xE4ter", "mir", "ihm", "Zeitung", "gr\xFCn"})
        EXPECT_TRUE(has(word)) << word;
    for (const char* word : {"fahl", "Agio", "Karl", "Paul", "Otto", "usw"})
        EXPECT_FALSE(has(word)) << word;
}

}  // namespace
