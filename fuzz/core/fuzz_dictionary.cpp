// Dream dictionary text -> its entries, then searches for pieces of the
// same bytes. Whatever the text, the reader either takes it whole or
// refuses it with a message naming a line inside it, and a search names
// only entries that exist, each once.

#include "core/dictionarysearch.h"
#include "core/dreamdictionary.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace temparoka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<DictionaryEntry> entries;
    try {
        entries = readDreamDictionary(text);
    } catch (const DictionaryError& error) {
        const std::string message = error.what();
        if (message.find("Kamus mimpi") != 0 || message.find('\n') == std::string::npos)
            std::abort();
    }
    for (const DictionaryEntry& entry : entries)
        if (entry.indonesian.empty() || entry.english.empty() || entry.sebutan.empty() || entry.terms.empty() ||
            entry.arti.empty() || entry.meaning.empty())
            std::abort();

    // The text's own lines as queries, and the words they fold to.
    const DictionarySearch search(entries);
    std::size_t start = 0;
    for (int queries = 0; queries < 8 && start <= text.size(); ++queries) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view query = text.substr(start, std::min<std::size_t>(end - start, 200));
        for (const std::string& word : searchWords(query))
            if (word.empty() || word.find(' ') != std::string::npos || wordStems(word).front() != word)
                std::abort();
        const std::vector<DictionaryHit> hits = search.find(query);
        std::vector<bool> seen(entries.size());
        for (const DictionaryHit& hit : hits) {
            if (hit.entry >= entries.size() || seen[hit.entry])
                std::abort();
            seen[hit.entry] = true;
        }
        start = end + 1;
    }
    return 0;
}
