#include "core/dreamrules.h"

#include "core/random.h"
#include "core/writer.h"

namespace temparoka {

namespace {

// One fired rule: its lead pair, its feeling set if it has one, its amount.
void fire(DreamReading& reading, const DreamAnswers& answers, std::string_view lead, std::string_view feel,
          std::int32_t amount)
{
    reading.pairs.push_back(leadPair(lead));
    if (!feel.empty())
        gefuehlsatz(reading, feelingSet(feel), answers.feeling);
    reading.summe += amount;
}

void deathRules(DreamReading& reading, const DreamAnswers& a)
{
    bool wrote = false;
    if (a.kanal && a.tdkhidup) {
        if (a.boot && !a.anak) {
            fire(reading, a, "tod.change", "tod.change.feel", 16);
            wrote = true;
        }
        if (a.anak) {
            fire(reading, a, "tod.toofast", "tod.toofast.feel", 32);
            wrote = true;
        }
    }
    if (a.kanal && a.hidup) {
        fire(reading, a, a.anak ? "tod.childrenlonglife" : "tod.longlife", "tod.alive.feel", 128);
        wrote = true;
    }
    if (a.kanal && a.tdktahu) {
        fire(reading, a, "tod.livelonger", "tod.livelonger.feel", 265);
        wrote = true;
    }
    if (!a.kanal) {
        fire(reading, a, "tod.finance", "tod.finance.feel", 512);
        wrote = true;
    }
    if (!wrote)
        fire(reading, a, "tod.pastexperience", "tod.pastexperience.feel", 64);
}

}  // namespace

void gefuehlsatz(DreamReading& reading, const FeelingSet& set, int feeling)
{
    reading.pairs.push_back(set.at(static_cast<std::size_t>(feeling)));
    reading.summe += feeling;
}

std::optional<int> schlusssatz(std::int32_t summe, int colour, int feeling, Random& random)
{
    if (summe == 0)
        return std::nullopt;
    random.setSeed(static_cast<std::uint32_t>(summe + colour + feeling));
    random.range(6);
    return static_cast<int>(random.range(6)) + 1;
}

DreamReading readDream(const DreamAnswers& a, Random& random)
{
    DreamReading reading;
    if (a.tiger)
        fire(reading, a, a.birthYear <= 1986 ? "tiger.marry" : "tiger.friend", "tiger.feel", 4);
    if (a.boot)
        fire(reading, a, "boot.challenge", "boot.feel", 8);
    if (a.tod)
        deathRules(reading, a);
    else if (a.anak)
        fire(reading, a, "anak.change", "anak.feel", 64);
    // The motifs whose rule is one lead pair, maybe a feeling set, and an
    // amount, in their order among the rules; the river rule sits between them.
    struct SimpleRule {
        bool DreamAnswers::*motif;
        std::string_view lead, feel;
        std::int32_t amount;
    };
    static constexpr SimpleRule kBeforeRiver[] = {
        {&DreamAnswers::ular, "ular.liked", "ular.feel", 1024},
        {&DreamAnswers::anjing, "anjing.decision", "anjing.feel", 32},
        {&DreamAnswers::orang, "orang.journey", "orang.feel", 2048},
        {&DreamAnswers::ikan, "ikan.wealth", "ikan.feel", 4096},
    };
    static constexpr SimpleRule kAfterRiver[] = {
        {&DreamAnswers::pachilang, "pachilang.opponent", "pachilang.feel", 16384},
        {&DreamAnswers::kerja, "kerja.secret", "kerja.feel", 32768},
        {&DreamAnswers::conflict, "conflict.storm", "conflict.feel", 65536},
        {&DreamAnswers::fallen, "fallen.family", "fallen.feel", 131072},
        {&DreamAnswers::auffuehrung, "auffuehrung.fame", "", 262144},
    };
    for (const SimpleRule& rule : kBeforeRiver)
        if (a.*rule.motif)
            fire(reading, a, rule.lead, rule.feel, rule.amount);
    if (a.laut)
        fire(reading, a, a.janein == 0 ? "laut.sick" : "laut.healthy", "", 8192);
    for (const SimpleRule& rule : kAfterRiver)
        if (a.*rule.motif)
            fire(reading, a, rule.lead, rule.feel, rule.amount);
    if (a.gigicheck && a.zahnoben)
        fire(reading, a, "gigi.older", "", 524288);
    if (a.gigicheck && a.zahnunten)
        fire(reading, a, "gigi.younger", "", 524288);

    if (const std::optional<int> k = schlusssatz(reading.summe, a.colour, a.feeling, random))
        reading.closing = closingPair(*k);
    return reading;
}

Reading dreamAsReading(const DreamReading& dream, double day, Pen pen)
{
    Reading reading = Reading::dream(day);
    ReadingWriter writer(pen);
    writer.setBold(false);
    for (const SentencePair& pair : dream.pairs)
        paarausgabe(writer, pair.id, pair.en);
    if (dream.closing) {
        writer.appendLine("");
        paarausgabe(writer, dream.closing->id, dream.closing->en);
    }
    reading.pen = writer.pen();
    reading.lines = writer.takeLines();
    return reading;
}

}  // namespace temparoka
