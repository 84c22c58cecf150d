#include "core/wetonreading.h"

#include "core/calendar.h"
#include "core/writer.h"

#include <array>
#include <cstdio>

namespace temparoka {

namespace {

constexpr std::array<std::string_view, 7> kEnglishWeekdays = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                              "Friday", "Saturday", "Sunday"};

struct Words {
    std::string indonesian;
    std::string english;
};

// What each match traditionally says, in the order of Jodoh. The hard ones
// are written as a caution with a way through, never as a verdict.
const std::array<Words, 8> kMeanings = {{
    {"Pesthi berarti hubungan yang damai dan langgeng. Masalah tetap akan datang, tetapi tidak akan memecah "
     "Anda berdua. Kehidupan Anda berdua akan tenteram.",
     "Pesthi means a peaceful and lasting bond. Troubles will still come, but they will not break you apart. "
     "Your life together will be calm."},
    {"Pegat mengingatkan akan ujian yang bisa memisahkan, entah soal uang, soal siapa yang berkuasa, atau soal "
     "kesetiaan. "
     "Bicarakan urusan uang dengan terbuka dan jagalah kepercayaan satu sama lain. Dengan saling jujur, ujian "
     "itu dapat Anda lewati berdua.",
     "Pegat warns of trials that could part you, whether over money, over power or over faithfulness. Talk "
     "openly about money and guard each other's trust. With honesty on both sides, you can come through those "
     "trials together."},
    {"Ratu berarti pasangan yang sungguh serasi, bagai raja dan ratu. Tetangga dan kerabat menghormati Anda "
     "berdua, dan banyak orang mengagumi kerukunan Anda. Rawatlah kehangatan ini dengan saling menghargai.",
     "Ratu means a true match, like a king and his queen. Neighbours and family hold you both in respect, and "
     "many admire how well you get along. Look after that warmth by honouring each other."},
    {"Jodoh berarti Anda berdua memang cocok. Masing-masing menerima kelebihan dan kekurangan yang lain apa "
     "adanya. Bersama-sama Anda bisa hidup rukun sampai tua.",
     "Jodoh means you are well matched. Each of you accepts the other's strengths and faults as they are. "
     "Together you can live in harmony into old age."},
    {"Topo berarti susah di awal, senang kemudian. Kesulitan pada tahun-tahun pertama akan berganti dengan "
     "hidup yang tenang dan mapan. Bersabarlah di awal, karena hasilnya sepadan.",
     "Topo means hard at first and good later. The troubles of the first years give way to a calm, settled "
     "life. Be patient at the start, for it is worth it."},
    {"Tinari berarti kebahagiaan. Rezeki mudah datang, hidup terasa ringan, dan keberuntungan sering menyertai "
     "Anda berdua. Syukurilah, dan jangan lupa berbagi dengan sesama.",
     "Tinari means happiness. A living comes easily, life feels light, and luck often goes with you both. Be "
     "thankful, and remember to share with others."},
    {"Padu mengingatkan bahwa Anda berdua bisa sering berselisih, walaupun pertengkaran itu tidak sampai "
     "memisahkan. Biasakan mendengarkan sebelum menjawab, dan selesaikan setiap perselisihan sebelum tidur. "
     "Dari situ kerukunan akan tumbuh.",
     "Padu warns that you may often quarrel, though the quarrels will not part you. Make a habit of listening "
     "before you answer, and settle each disagreement before you sleep. Harmony will grow from there."},
    {"Sujanan mengingatkan akan pertengkaran dan godaan untuk tidak setia. Tetaplah jujur, berilah perhatian "
     "satu sama lain, dan jauhi hal-hal yang menumbuhkan curiga. Kesetiaan yang dijaga berdua akan menguatkan "
     "Anda.",
     "Sujanan warns of quarrels and of the temptation to be unfaithful. Stay honest, give each other your "
     "attention, and keep away from what breeds suspicion. Faithfulness that both of you guard will make you "
     "stronger."},
}};

// "19:30", as English writes a time of day.
std::string clockTime(int minute)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60 % 24, minute % 60);
    return text;
}

// Whether the sunset rule moved the birth to the next day's weton.
bool afterSunset(const Birth& birth)
{
    return wetonOf(birth) != wetonOfDay(birth.day);
}

std::string english(Weekday weekday)
{
    return std::string(kEnglishWeekdays[static_cast<std::size_t>(weekday)]);
}

// How a reading speaks of a person: the reader or the partner.
struct Person {
    const char* subject;  // "Anda", "Pasangan Anda"
    const char* weton;  // "weton Anda", "wetonnya"
    const char* englishSubject;  // "You", "Your partner"
    const char* englishVerb;  // "were", "was"
    const char* englishWeton;  // "your weton", "their weton"
};

const Person kReader = {"Anda", "weton Anda", "You", "were", "your weton"};
const Person kPartner = {"Pasangan Anda", "wetonnya", "Your partner", "was", "their weton"};

// The birth and its weton and, after sunset, why the weton is the next
// day's.
Words birthWords(const Birth& birth, const Person& who)
{
    const Weton weton = wetonOf(birth);
    const DayInWords date = dayInWords(birth.day);
    const std::string name = wetonName(weton);
    const std::string born = std::string(who.englishSubject) + " " + who.englishVerb + " born on ";
    if (afterSunset(birth)) {
        const Weekday calendarDay = wetonOfDay(birth.day).weekday;
        const std::string eve(nameOf(weton.weekday));
        const std::string time = clockTime(*birth.minute);
        return {std::string(who.subject) + " lahir pada hari " + std::string(nameOf(calendarDay)) + ", " +
                    date.indonesian + ", " + pukul(*birth.minute) +
                    ", setelah matahari terbenam. Dalam hitungan Jawa hari " +
                    "berganti saat matahari terbenam, jadi kelahiran itu jatuh pada malam " + eve + " dan " +
                    who.weton + " " + name + ".",
                born + english(calendarDay) + ", " + date.english + ", at " + time +
                    ", after sunset. In the Javanese reckoning the day begins at sunset, so the birth falls on the " +
                    "eve of " + eve + " and " + who.englishWeton + " is " + name + "."};
    }
    const std::string at = birth.minute ? ", " + pukul(*birth.minute) : std::string();
    const std::string atEnglish = birth.minute ? ", at " + clockTime(*birth.minute) : std::string();
    return {std::string(who.subject) + " lahir pada hari " + name + ", " + date.indonesian + at + ".",
            born + name + ", " + date.english + atEnglish + "."};
}

// "Senin is Monday, and Legi is a day of the Javanese five-day market week."
// The market week is explained once in a reading; a later pasaran is only
// named.
std::string glossed(Weton weton, bool explainPasaran)
{
    std::string gloss = " " + std::string(nameOf(weton.weekday)) + " is " + english(weton.weekday);
    if (explainPasaran)
        gloss += ", and " + std::string(nameOf(weton.pasaran)) + " is a day of the Javanese five-day market week";
    return gloss + ".";
}

Words neptuWords(Weton weton, const Words& whose)
{
    const std::string sum = std::to_string(neptu(weton));
    const std::string day = std::string(nameOf(weton.weekday)) + " " + std::to_string(neptu(weton.weekday));
    const std::string market = std::string(nameOf(weton.pasaran)) + " " + std::to_string(neptu(weton.pasaran));
    return {"Neptu " + whose.indonesian + " " + sum + ": " + day + " ditambah " + market + ".",
            whose.english + " " + sum + ": " + day + " plus " + market + "."};
}

void heading(ReadingWriter& writer, const Words& words)
{
    writer.setBold(true);
    paarausgabe(writer, words.indonesian, words.english);
    writer.setBold(false);
}

const Words kDateOnly = {"Waktu lahir tidak diketahui, jadi weton dihitung dari tanggalnya; kelahiran setelah "
                         "matahari terbenam terhitung hari berikutnya.",
                         "The time of birth is not known, so the weton follows the date; a birth after sunset "
                         "counts toward the next day."};

}  // namespace

Weton wetonOf(const Birth& birth)
{
    if (!birth.minute)
        return wetonOfBirth(birth.day, std::nullopt);
    return wetonOfBirth(birth.day, static_cast<double>(*birth.minute) / 1440.0);
}

std::string wetonName(Weton weton)
{
    return std::string(nameOf(weton.weekday)) + " " + std::string(nameOf(weton.pasaran));
}

std::string pukul(int minute)
{
    char text[16];
    std::snprintf(text, sizeof text, "pukul %02d.%02d", minute / 60 % 24, minute % 60);
    return text;
}

JodohSum jodohSum(Weton mine, Weton theirs)
{
    const int sum = neptu(mine) + neptu(theirs);
    const Jodoh match = jodohOf(sum);
    return {std::to_string(neptu(mine)) + " + " + std::to_string(neptu(theirs)) + " = " + std::to_string(sum),
            std::to_string(static_cast<int>(match)), match};
}

Reading wetonReading(double day, const Birth& reader, const std::optional<Birth>& partner, Pen pen)
{
    Reading reading = Reading::weton(day);
    ReadingWriter writer(pen);
    writer.setBold(false);
    const Weton mine = wetonOf(reader);
    heading(writer, {"Weton Anda", "Your weton"});
    Words born = birthWords(reader, kReader);
    paarausgabe(writer, born.indonesian, born.english + glossed(mine, true));
    bool dateOnlySaid = false;
    if (!reader.minute) {
        paarausgabe(writer, kDateOnly.indonesian, kDateOnly.english);
        dateOnlySaid = true;
    }
    Words count = neptuWords(mine, {"Anda", "Your neptu, the number your weton carries, is"});
    paarausgabe(writer, count.indonesian, count.english);

    if (partner) {
        const Weton theirs = wetonOf(*partner);
        writer.appendLine("");
        heading(writer, {"Weton pasangan", "Your partner's weton"});
        born = birthWords(*partner, kPartner);
        paarausgabe(writer, born.indonesian, born.english + glossed(theirs, false));
        if (!partner->minute && !dateOnlySaid)
            paarausgabe(writer, kDateOnly.indonesian, kDateOnly.english);
        count = neptuWords(theirs, {"pasangan Anda", "Your partner's neptu is"});
        paarausgabe(writer, count.indonesian, count.english);

        const JodohSum count = jodohSum(mine, theirs);
        const std::string name(nameOf(count.match));
        writer.appendLine("");
        heading(writer, {"Hitungan jodoh: " + name, "Your match: " + name});
        paarausgabe(writer,
                    "Jumlah neptu Anda berdua " + count.added + ". Jika dibagi 8, sisanya " + count.rest + ": " + name +
                        ".",
                    "Your neptu added together make " + count.added + ". Divided by 8, that leaves " + count.rest +
                        ": " + name + ".");
        const Words& meaning = kMeanings[static_cast<std::size_t>(count.match)];
        paarausgabe(writer, meaning.indonesian, meaning.english);
    }

    writer.appendLine("");
    paarausgabe(writer, "Ramalan ini hanya hiburan.", "This reading is for entertainment only.");
    reading.pen = writer.pen();
    reading.lines = writer.takeLines();
    return reading;
}

}  // namespace temparoka
