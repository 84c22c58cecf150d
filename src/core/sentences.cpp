// The text of the dream reading: every sentence the reading can write, as
// Indonesian/English pairs keyed by the rule that writes them. The rules
// themselves live with the dream window; this file only owns the wording.
//
// Each half is a single line. Some halves deliberately carry no full stop;
// they are the program's long-standing wording and stay as they are.
#include "core/sentences.h"

#include <iterator>
#include <stdexcept>
#include <string>

namespace temparoka {
namespace {

// Lead pairs: the first thing a fired rule writes.
// clang-format off
constexpr LeadRow kLeads[] = {
    {"tiger.marry", {"Seseorang ingin menikahi Anda.", "Somebody wants to marry you"}},
    {"tiger.friend", {"Seseorang ingin menjadi teman Anda.", "Somebody want to become your friend"}},
    {"boot.challenge", {"Sebuah tantangan menanti Anda.", "A challenge is waiting for you."}},
    {"tod.change", {"Perubahan besar akan terjadi dalam hidup Anda.", "A big change will take place in your life."}},
    {"tod.toofast", {"Ada sesuatu dalam hidup Anda yang berjalan terlalu cepat.", "Something in your life is moving too fast."}},
    {"tod.pastexperience", {"Pengalaman dari masa lalu akan kembali menghampiri Anda.", "An experience from the past will come back to you."}},
    {"tod.livelonger", {"Orang yang meninggal dalam mimpi Anda akan hidup lebih lama daripada yang Anda kira; masih banyak waktu untuk Anda lalui bersamanya.",
                        "The person who died in your dream will live longer than you expect, and you will still have a long time together."}},
    {"tod.finance", {"Keadaan keuangan Anda akan membaik.", "Your financial situation will improve."}},
    {"tod.longlife", {"Anda akan berumur panjang.", "You will have a long life."}},
    {"tod.childrenlonglife", {"Anak-anak dalam keluarga Anda akan berumur panjang.", "The children in your family will have a long life."}},
    {"anak.change", {"Seorang anak akan membawa perubahan dalam hidup Anda.", "A child will bring a change into your life."}},
    {"ular.liked", {"Seseorang diam-diam menyukai Anda.", "Somebody secretly likes you."}},
    {"anjing.decision", {"Anda harus segera mengambil keputusan.", "You must make a decision soon."}},
    {"orang.journey", {"Ada perjalanan yang menanti Anda.", "A journey is waiting for you."}},
    {"ikan.wealth", {"Rezeki akan datang menghampiri Anda.", "Good fortune will come to you."}},
    {"laut.sick", {"Anda akan menjadi sakit.", "You will get sick"}},
    {"laut.healthy", {"Anda akan tetap berada dalam keadaan sehat.", "You will remain in good health."}},
    {"pachilang.opponent", {"Seseorang akan menjadi lawan Anda.", "Somebody will become your opponent."}},
    {"kerja.secret", {"Ada sesuatu yang dirahasiakan dalam pekerjaan atau kegiatan Anda sehari-hari.", "Something is being kept secret in your work or your daily life."}},
    {"conflict.storm", {"Badai sedang mendekat: ada pertengkaran yang menanti Anda.", "A storm is approaching: a quarrel is waiting for you."}},
    {"fallen.family", {"Sesuatu akan terjadi dalam keluarga Anda.", "Something will happen in your family."}},
    {"auffuehrung.fame", {"Anda akan menjadi orang terkenal", "You will become a well known personality"}},
    {"gigi.older", {"Ada kabar duka dari kerabat yang lebih tua.", "Somebody you know older than you will die."}},
    {"gigi.younger", {"Ada kabar duka dari kerabat yang lebih muda.", "Somebody you know younger than you will die."}},
};
// clang-format on

// Feeling sets: written right after the lead, picked by how the dream felt,
// and read as the continuation of the lead. An empty pair writes nothing,
// which is how a normal-feeling tiger or long-life dream stays a single line.
// clang-format off
constexpr FeelingRow kFeelings[] = {
    {"tiger.feel", {{
        {"Jangan setuju.", "Do not agree"},
        {"Pikirkanlah baik-baik sebelum Anda menjawab.", "Think it over carefully before you answer."},
        {"", ""},
        {"Sambutlah dengan tangan terbuka.", "Welcome it with open arms."},
    }}},
    {"boot.feel", {{
        {"Tetapi Anda akan berhasil.", "But you will prevail."},
        {"Jangan terus menoleh ke belakang; pandanglah ke depan.", "Stop looking back, look forward."},
        {"Tantangan ini lebih berat daripada yang mungkin Anda kira.", "This challenge is more serious than you might think."},
        {"Melangkahlah dengan hati-hati.", "Proceed with caution."},
    }}},
    {"tod.change.feel", {{
        {"Jangan takut; perubahan ini akan membawa kebaikan bagi Anda.", "Do not be afraid: this change will do you good."},
        {"Relakanlah yang lama, supaya yang baru bisa datang.", "Let go of the old, so that the new can come."},
        {"Sambutlah perubahan itu dengan tenang.", "Welcome the change calmly."},
        {"Perubahan ini akan membawa kebahagiaan bagi Anda.", "This change will bring you happiness."},
    }}},
    {"tod.toofast.feel", {{
        {"Berhentilah sejenak sebelum Anda kehilangan kendali.", "Pause for a moment before you lose control."},
        {"Luangkanlah waktu untuk beristirahat.", "Make time to rest."},
        {"Cobalah menjalani hidup dengan lebih santai.", "Try to take life a little easier."},
        {"Nikmatilah saat ini, tetapi jangan lupa beristirahat.", "Enjoy the moment, but do not forget to rest."},
    }}},
    {"tod.pastexperience.feel", {{
        {"Kalau Anda berani menghadapinya, pengalaman itu tidak akan menakutkan lagi.", "If you dare to face it, that experience will not frighten you anymore."},
        {"Kali ini Anda bisa berdamai dengannya.", "This time you can make peace with it."},
        {"Ada pelajaran yang bisa Anda petik darinya.", "There is a lesson you can draw from it."},
        {"Kenangan itu akan membuat Anda gembira.", "That memory will make you glad."},
    }}},
    {"tod.livelonger.feel", {{
        {"Kekhawatiran Anda tidak beralasan.", "Your worries are unfounded."},
        {"Jangan menunda-nunda untuk mengungkapkan perasaan Anda kepadanya.", "Do not put off telling them how you feel."},
        {"Manfaatkanlah waktu itu sebaik-baiknya.", "Make the most of that time."},
        {"Saat-saat itu akan penuh kebahagiaan.", "That time will be full of happiness."},
    }}},
    {"tod.finance.feel", {{
        {"Namun, jangan mengambil risiko yang tidak perlu.", "But do not take unnecessary risks."},
        {"Dengan begitu, beban Anda akan terasa lebih ringan.", "That will make your burden lighter."},
        {"Keadaannya akan membaik pelan-pelan.", "The improvement will come slowly."},
        {"Keinginan yang sudah lama Anda pendam akan bisa terwujud.", "A wish you have long kept to yourself will come true."},
    }}},
    // Shared by the reader's own long life and the children's long life, so
    // every entry has to read well after either lead.
    {"tod.alive.feel", {{
        {"Tidak ada alasan untuk takut.", "There is no reason to be afraid."},
        {"Kesedihan ini akan berlalu.", "This sadness will pass."},
        {"", ""},
        {"Masih banyak tahun bahagia yang menanti.", "Many happy years still lie ahead."},
    }}},
    {"anak.feel", {{
        {"Jangan menolaknya; perubahan ini baik bagi Anda.", "Do not fight it; this change is good for you."},
        {"Anak itu membutuhkan perhatian Anda.", "That child needs your attention."},
        {"Dengarkanlah apa yang dikatakan anak itu.", "Listen to what that child says."},
        {"Perubahan ini akan membuat Anda bahagia.", "This change will make you happy."},
    }}},
    {"ular.feel", {{
        {"Namun, berhati-hatilah terhadap orang itu.", "But be careful with that person."},
        {"Orang itu ingin menghibur Anda.", "That person wants to comfort you."},
        {"Tidak lama lagi Anda akan tahu siapa orangnya.", "Before long you will know who it is."},
        {"Anda juga menyukai orang itu.", "You like that person too."},
    }}},
    {"anjing.feel", {{
        {"Jangan mengambil keputusan karena rasa takut.", "Do not make the decision out of fear."},
        {"Keputusan itu berat, tetapi perlu.", "The decision is hard, but necessary."},
        {"Pertimbangkanlah dengan tenang.", "Weigh it calmly."},
        {"Ikutilah kata hati Anda.", "Follow your heart."},
    }}},
    {"orang.feel", {{
        {"Persiapkanlah perjalanan itu dengan baik.", "Prepare well for that journey."},
        {"Perjalanan itu akan menghibur hati Anda.", "On that journey your heart will find comfort."},
        {"Perjalanan itu akan lancar.", "The journey will go smoothly."},
        {"Anda akan bertemu orang-orang baik.", "You will meet good people."},
    }}},
    {"ikan.feel", {{
        {"Namun, jagalah baik-baik apa yang Anda terima.", "But take good care of what you receive."},
        {"Rezeki itu akan meringankan kesedihan Anda.", "That fortune will ease your sorrow."},
        {"Datangnya sedikit demi sedikit.", "It will come little by little."},
        {"Bagikanlah sebagian kepada orang-orang yang Anda sayangi.", "Share some of it with the people you love."},
    }}},
    {"pachilang.feel", {{
        {"Namun, lawan itu lebih lemah daripada Anda.", "But that opponent is weaker than you."},
        {"Jangan dimasukkan ke hati.", "Do not take it to heart."},
        {"Tetaplah tenang dan bersikaplah adil.", "Stay calm and be fair."},
        {"Pada akhirnya lawan itu akan menjadi teman Anda.", "In the end that opponent will become your friend."},
    }}},
    {"kerja.feel", {{
        {"Jangan percaya begitu saja pada semua yang Anda dengar.", "Do not believe everything you hear."},
        {"Rahasia itu akan segera terungkap.", "The secret will soon come to light."},
        {"Jangan ikut bergunjing; kerjakan saja tugas Anda dengan baik.", "Keep out of the gossip and just do your work well."},
        {"Rahasia itu akan membawa kabar baik bagi Anda.", "The secret will bring you good news."},
    }}},
    {"conflict.feel", {{
        {"Namun, badai itu akan cepat berlalu.", "But the storm will pass quickly."},
        {"Setelah itu Anda akan merasa lebih lega.", "Afterwards you will feel relieved."},
        {"Asal Anda tetap tenang, semuanya akan kembali baik.", "As long as you stay calm, all will be well again."},
        {"Setelah badai itu reda, hubungan Anda justru akan makin erat.", "Once the storm has passed, your bonds will grow even closer."},
    }}},
    {"fallen.feel", {{
        {"Saat ini keluarga Anda membutuhkan ketegaran Anda.", "Right now your family needs you to stay strong."},
        {"Ada anggota keluarga yang perlu Anda hibur.", "Someone in your family needs your comfort."},
        {"Bicarakanlah hal itu bersama-sama.", "Talk it over together."},
        {"Keluarga Anda akan berkumpul dengan gembira.", "Your family will come together in joy."},
    }}},
};
// clang-format on

// Closing pairs 1..6, from good news through neutral to warnings. Which one is
// written is drawn by the reading; the order here is what the draw indexes.
// clang-format off
constexpr SentencePair kClosing[6] = {
    {"Beberapa hal baik akan terjadi.", "Some positive things will happen."},
    {"Hidup Anda akan berjalan dengan tenang.", "Your life will go on calmly."},
    {"Akan ada bahaya.", "There will be danger."},
    {"Berhati-hatilah beberapa minggu ke depan.", "Be careful in the coming weeks."},
    {"Akan ada sedikit kesulitan, tetapi Anda sanggup mengatasinya.", "A small difficulty will come, but you can overcome it."},
    {"Akan ada musibah, tetapi bukan Anda yang paling terkena akibatnya.",
     "A tragedy will happen, but others are more affected than you are."},
};
// clang-format on

static_assert(std::size(kLeads) == 24, "one lead row per lead key");
static_assert(std::size(kFeelings) == 17, "one feeling set per feeling key");

}  // namespace

std::span<const LeadRow> leadRows()
{
    return kLeads;
}

std::span<const FeelingRow> feelingRows()
{
    return kFeelings;
}

std::span<const SentencePair, 6> closingPairs()
{
    return std::span<const SentencePair, 6>(kClosing);
}

const SentencePair& leadPair(std::string_view key)
{
    for (const LeadRow& row : kLeads) {
        if (row.key == key)
            return row.pair;
    }
    throw std::out_of_range("unknown dream lead key: " + std::string(key));
}

const FeelingSet& feelingSet(std::string_view key)
{
    for (const FeelingRow& row : kFeelings) {
        if (row.key == key)
            return row.set;
    }
    throw std::out_of_range("unknown dream feeling key: " + std::string(key));
}

const SentencePair& closingPair(int k)
{
    if (k < 1 || k > 6)
        throw std::out_of_range("dream closing number out of 1..6: " + std::to_string(k));
    return kClosing[k - 1];
}

}  // namespace temparoka
