#include "core/dictionaryreading.h"
#include "core/dictionarysearch.h"
#include "core/dreamdictionary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using namespace temparoka;

namespace {

std::string record(const std::string& kata, const std::string& tema = "hewan", const std::string& sebutan = "a; b",
                   const std::string& terms = "c; d")
{
    return "kata: " + kata + "\ntema: " + tema + "\nsebutan: " + sebutan + "\nterms: " + terms +
           "\narti: Konon, begitu.\nmeaning: It is said so.\n";
}

// A small dictionary whose answers are known word for word.
const std::string kSample =
    "# a comment before the records\n" +
    record("ular | snake", "hewan", "dipatuk ular; digigit ular; ular kobra", "bitten by a snake; cobra") + "\n" +
    record("ulat | caterpillar", "hewan", "ulat bulu; ulat daun", "hairy caterpillar; worm") + "\n" +
    record("gigi copot | teeth falling out", "tubuh", "gigi lepas; gigi tanggal", "losing teeth; tooth falling out") +
    "\n" + record("lari | running", "peristiwa", "berlari; lari-lari", "run; running away") + "\n" +
    record("banjir | flood", "alam", "kebanjiran; air bah", "flooding; high water") + "\n" +
    record("kucing | cat", "hewan", "anak kucing; kucing hitam", "kitten; black cat") + "\n" +
    record("kuning | yellow things", "rumah", "warna kuning; baju kuning", "yellow; a yellow dress") + "\n" +
    record("pelangi | rainbow", "alam", "bianglala; lengkung pelangi", "rainbow in the sky; a double rainbow") + "\n" +
    record("air | water", "alam", "air jernih; air keruh", "clear water; muddy water");

std::string shippedText()
{
    std::ifstream in(TEMPAROKA_DATA_DIR "/kamusmimpi.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> headwordsFound(const std::vector<DictionaryEntry>& entries, const std::string& query)
{
    std::vector<std::string> found;
    for (const DictionaryHit& hit : DictionarySearch(entries).find(query))
        found.push_back(entries[hit.entry].indonesian);
    return found;
}

}  // namespace

TEST(DreamDictionary, ADamagedTextIsRefusedNamingItsLine)
{
    const std::string good = record("ular | snake");
    const struct {
        std::string text;
        std::string said;  // what the English line of the message holds
    } cases[] = {
        {"", "holds no entries"},
        {"# only a comment\n\n", "holds no entries"},
        {good.substr(0, good.find("arti:")), "line 4: a record breaks off"},
        {good + "\n" + good, "line 8: the headword \"ular | snake\" is given twice"},
        {good + "\n" + record("Ular | serpent"), "line 8: the headword \"Ular | serpent\" is given twice"},
        {record("ular snake"), "line 1: a headword must be"},
        {record("ular | snake | cobra"), "line 1: a headword must be"},
        {record("ular | snake", "binatang"), "line 2: the theme \"binatang\" is unknown"},
        // What a message quotes of the text cannot cut it short or run on.
        {record("ular | snake", std::string("bin\0tang", 8)), "line 2: the theme \"bin?tang\" is unknown"},
        {record("ular | snake", std::string(50, 'x')), "the theme \"" + std::string(40, 'x') + "\u2026\" is"},
        {record("ular | snake", "hewan", "a;; b"), "line 3: a list of terms holds an empty item"},
        {record("ular | snake", "hewan", "a", " "), "line 4: \"terms:\" is empty"},
        {"tema: hewan\n" + good, "line 1: \"kata:\" was expected"},
        {good.substr(0, good.find("tema")) + "\n" + good.substr(good.find("tema")), "line 2: a record breaks off"},
        {good.substr(0, good.find("arti")) + "# note\n" + good.substr(good.find("arti")), "line 5: \"arti:\" was"},
        {good + "\xC3\x28", "it is not UTF-8 text"},
        {good + "\xED\xA0\x80", "it is not UTF-8 text"},  // a surrogate
    };
    for (const auto& c : cases) {
        try {
            readDreamDictionary(c.text);
            ADD_FAILURE() << "taken: " << c.text;
        } catch (const DictionaryError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(c.said), std::string::npos) << message;
            EXPECT_NE(message.find("Kamus mimpi"), std::string::npos) << message;
        }
    }
}

TEST(DreamDictionary, ARecordIsReadWithItsListsAndTheme)
{
    const std::vector<DictionaryEntry> entries = readDreamDictionary("\r\n" + kSample);
    ASSERT_EQ(entries.size(), 9u);
    const DictionaryEntry& first = entries.front();
    EXPECT_EQ(first.indonesian, "ular");
    EXPECT_EQ(first.english, "snake");
    EXPECT_EQ(first.theme, DreamTheme::Hewan);
    EXPECT_EQ(first.sebutan, (std::vector<std::string>{"dipatuk ular", "digigit ular", "ular kobra"}));
    EXPECT_EQ(first.terms, (std::vector<std::string>{"bitten by a snake", "cobra"}));
    EXPECT_EQ(first.meaning, "It is said so.");
    EXPECT_EQ(themeName(entries[2].theme).english, std::string("The body"));
}

TEST(DreamDictionary, WordsAreFoldedAndStrippedOfTheirAffixes)
{
    const struct {
        const char* text;
        std::vector<std::string> words;
    } texts[] = {
        {"Lari-lari!", {"lari"}},
        {"berlari-lari", {"berlari"}},
        {"kupu-kupu", {"kupu"}},
        {"bolak-balik", {"bolak", "balik"}},
        {"Jum'at,  KUDA\u2014putih", {"jumat", "kuda", "putih"}},
        {"Cr\u00E8me br\u00FBl\u00E9e", {"creme", "brulee"}},
        {"\xE2", {}},  // a character cut off
    };
    for (const auto& t : texts)
        EXPECT_EQ(searchWords(t.text), t.words) << t.text;

    const std::pair<const char*, const char*> stems[] = {
        {"digigit", "gigit"},  {"mengejar", "kejar"}, {"kejatuhan", "jatuh"}, {"berenang", "renang"},
        {"menulis", "tulis"},  {"menyapu", "sapu"},   {"memukul", "pukul"},   {"menikah", "nikah"},
        {"dreaming", "dream"}, {"chased", "chase"},   {"running", "run"},     {"flies", "fly"},
    };
    for (const auto& [word, stem] : stems) {
        const std::vector<std::string> found = wordStems(word);
        EXPECT_EQ(found.front(), word);
        EXPECT_NE(std::find(found.begin(), found.end(), stem), found.end()) << word << " -> " << stem;
    }
    // Short pieces would match too much: "ikan" is not "ik", "diam" not "am".
    for (const char* word : {"ikan", "diam"})
        EXPECT_EQ(wordStems(word), std::vector<std::string>{word});
}

TEST(DreamDictionary, ASearchFindsTheWaysPeopleTypeAPictureBestFirst)
{
    const std::vector<DictionaryEntry> entries = readDreamDictionary(kSample);
    const struct {
        const char* query;
        std::vector<std::string> found;
    } cases[] = {
        {"ular", {"ular"}},
        {"ULAR!", {"ular"}},
        {"digigit ular", {"ular"}},
        {"arti mimpi dipatuk ular", {"ular"}},
        {"dream of being bitten by a snake", {"ular"}},
        {"ulat", {"ulat"}},  // the caterpillar, not the snake a letter away
        {"gigi lepas", {"gigi copot"}},
        {"lari-lari", {"lari"}},
        {"berlari-lari", {"lari"}},
        {"banjr", {"banjir"}},  // a letter missing
        {"kucinh", {"kucing"}},  // a letter wrong
        {"kuning", {"kuning", "kucing"}},  // a real word first, the one a letter away after it
        {"ula ", {}},  // a finished word is not a beginning
        {"kucing hitam", {"kucing"}},  // by a synonym
        {"p\u00C9langi", {"pelangi"}},  // accents and case
        {"ul", {"ular", "ulat"}},  // still being typed
        {"air keruh", {"air", "banjir"}},  // "air bah" holds one of the words
        {"ular air", {"ular", "air", "banjir"}},  // two pictures of one dream: each, then a name with one
        {"arti mimpi", {}},  // nothing but the wrapping
        {"  ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(headwordsFound(entries, c.query), c.found) << c.query;

    const std::vector<DictionaryHit> ranked = DictionarySearch(entries).find("kucing");
    ASSERT_EQ(ranked.size(), 2u);  // "kuning" is a letter away
    EXPECT_EQ(ranked[0].kind, MatchKind::Headword);
    EXPECT_EQ(ranked[1].kind, MatchKind::Near);
    EXPECT_EQ(DictionarySearch(entries).find("cobra").front().kind, MatchKind::Synonym);
    EXPECT_EQ(DictionarySearch(entries).find("banjr").front().kind, MatchKind::Near);
}

TEST(DreamDictionary, PickedEntriesReadAsAReadingOfTheirOwn)
{
    const std::vector<DictionaryEntry> entries = readDreamDictionary(kSample);
    const Pen carried{Language::English, true};
    const Reading reading = dictionaryReading({&entries[1], &entries[0]}, 46364.0, carried);  // 8 December 2026
    EXPECT_EQ(reading.kind, ReadingKind::Dictionary);
    EXPECT_EQ(reading.pen, carried);
    const ReadingTitle title = readingTitle(reading);
    EXPECT_EQ(title.indonesian, "Tafsir Mimpi dari Kamus \u2014 8 Desember 2026");
    EXPECT_EQ(title.english, "Dream dictionary \u2014 8 December 2026");
    EXPECT_EQ(readingFileName(reading), "Kamus Mimpi Temparoka 2026-12-08");
    const std::vector<ReadingLine> opening(reading.lines.begin(), reading.lines.begin() + 5);
    EXPECT_EQ(opening, (std::vector<ReadingLine>{{"Ulat", Language::Indonesian, true},
                                                 {"Caterpillar", Language::English, true},
                                                 {"Konon, begitu.", Language::Indonesian, false},
                                                 {"It is said so.", Language::English, false},
                                                 {"", Language::Indonesian, false}}));
    EXPECT_EQ(reading.lines[5].text, "Ular");
    ASSERT_EQ(reading.lines.size(), 12u);
    EXPECT_EQ(reading.lines[10].text, "Ramalan ini hanya hiburan.");
    EXPECT_EQ(reading.lines[11], (ReadingLine{"This reading is for entertainment only.", Language::English, false}));
}

TEST(DreamDictionary, TheShippedDictionaryIsWholeKindAndGivesNoNumbers)
{
    const std::vector<DictionaryEntry> entries = readDreamDictionary(shippedText());
    ASSERT_EQ(entries.size(), 343u);  // as the file holds them: a lost record shows here
    std::set<DreamTheme> themes;
    // Numbers to bet on, and a reader's life taken for granted.
    const std::regex unwelcome(
        "[0-9]|\\b(angka|togel|buntut|lottery|(suami|istri|pasangan|anak|orang tua|atasan|bos|pekerjaan) Anda|your "
        "(husband|wife|partner|spouse|children|kids|parents|boss|job))\\b",
        std::regex::icase);
    const std::regex sentenceEnd("[.!?](\\s|$)");
    for (const DictionaryEntry& entry : entries) {
        themes.insert(entry.theme);
        std::string all = entry.indonesian + '|' + entry.english + '|' + entry.arti + '|' + entry.meaning;
        for (const std::string& other : entry.sebutan)
            all += '|' + other;
        for (const std::string& other : entry.terms)
            all += '|' + other;
        EXPECT_FALSE(std::regex_search(all, unwelcome)) << all;
        for (const std::string& meaning : {entry.arti, entry.meaning}) {
            const auto sentences = std::distance(std::sregex_iterator(meaning.begin(), meaning.end(), sentenceEnd),
                                                 std::sregex_iterator());
            EXPECT_TRUE(sentences >= 1 && sentences <= 3) << meaning;
        }
    }
    EXPECT_EQ(themes.size(), dreamThemes().size());

    const std::pair<const char*, const char*> looked[] = {
        {"arti mimpi digigit ular", "ular"},
        {"ulat", "ulat"},
        {"gigi copot", "gigi copot"},
        {"gigi tanggal", "gigi copot"},
        {"banjir", "banjir"},
        {"flood", "banjir"},
        {"bertemu orang yang sudah meninggal", "bertemu orang yang sudah meninggal"},
        {"menikah", "menikah"},
        {"kawin", "menikah"},
        {"rumah terbakar", "rumah terbakar"},
        {"lari-lari", "lari"},
        {"teeth falling out", "gigi copot"},
    };
    const DictionarySearch search(entries);
    for (const auto& [query, first] : looked) {
        const std::vector<DictionaryHit> hits = search.find(query);
        ASSERT_FALSE(hits.empty()) << query;
        EXPECT_EQ(entries[hits.front().entry].indonesian, first) << query;
    }
}
