// Every kind of reading, run through the whole program as a reader runs it,
// and everything it becomes: the view it is shown in, its plain text, its
// web page, its PDF's text and its picture's pixels. Each is compared with
// what the program gave before its code was reshaped (a SHA-256, first 16
// hex digits), so that no reshaping can change what a reader sees or keeps.
// A mismatch prints what the program gives now.

#include "app/program.h"
#include "export/pages.h"
#include "export/readingdocument.h"
#include "support/fakes.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/dream/zahnfrage.h"
#include "ui/main/cardimage.h"
#include "ui/output/ausgabeform.h"
#include "ui/output/riwayat.h"
#include "ui/shared/radiogroup.h"
#include "ui/weton/wetonform.h"
#include "ui_flussform.h"
#include "ui_todfrage.h"
#include "ui_traumform.h"
#include "ui_wetonform.h"
#include "ui_zahnfrage.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace temparoka;
using namespace temparoka::test;

namespace {

struct Golden {
    const char* name;
    const char* view;  // the window's view, as HTML
    const char* text;
    const char* html;
    const char* pdfText;
    const char* pngPixels;
};

const Golden kGoldens[] = {
    {"weekly, a new card", "d8a482992fb061c3", "e73ee6adde09319c", "842fab5940409ac8", "9e3f5e8b35f76506",
     "d098cecbd5112a83"},
    {"weekly, the same card again", "d8a482992fb061c3", "e73ee6adde09319c", "842fab5940409ac8", "9e3f5e8b35f76506",
     "d098cecbd5112a83"},
    {"an earlier week", "88754a0658be2651", "766391d06ab5fa37", "bafd30ebb37c6215", "5df6c47d5da4366d",
     "6d8614491811d107"},
    {"dream, every motif, first answers", "b84dcf4b69cadd81", "6d8488165da21099", "c7062ea71c32d66b",
     "042e0c62d34b9038", "3f6ac30c3a1d9f3f"},
    {"dream, every motif, second answers", "3fc76b2a6995f488", "d5a4d2fcb215ee86", "f66a9f0b9811a61b",
     "f6434ebcd9f91378", "4d62d3f6e8e85da7"},
    {"dream, every motif, third answers", "f42b661a87602e4a", "a9f726f0bc9aaa37", "ed03bb39cdecf345",
     "ee6fd54d8c1d1215", "3100b50d2fd947cb"},
    {"dream, nothing ticked", "36e7b7ff7760b2d0", "afc85ea0bde3d0e5", "0bf5d898ffdc4ba3", "75678cb974a3b633",
     "81ac677f54534a2a"},
    {"weton, alone", "bcd9889a4627fa88", "c7c9c26fba4c9765", "42292ebd26fb0a8c", "accd46bd9f55010b",
     "cfe8b77536fc61b8"},
    {"weton, with a partner born after sunset", "eab641bb7be7abc5", "5cf7ac60f7da8294", "20874960b0a40d1f",
     "df35da75edbc2d90", "66ec0294ac5c191a"},
};

std::string digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16).toStdString();
}

QByteArray pixelsOf(const Encoded& png)
{
    if (!png.ok())
        return {};
    const QImage picture = QImage::fromData(png.value(), "PNG").convertToFormat(QImage::Format_RGB888);
    QByteArray pixels;
    for (int row = 0; row < picture.height(); ++row)
        pixels.append(reinterpret_cast<const char*>(picture.constScanLine(row)), picture.width() * 3);
    return pixels;
}

struct Kept {
    QString view;
    QString text;
    QString html;
    QString pdfText;
    QByteArray pngPixels;
};

Kept keptFrom(const Reading& reading, const QTextEdit& view)
{
    const ReadingDocument document(reading);
    Kept kept;
    kept.view = view.toHtml();
    kept.text = QString::fromUtf8(document.encoded(DocumentFormat::Text).value());
    const Encoded html = document.encoded(DocumentFormat::Html);
    // The card's picture is inlined in the page; its own digest stands in
    // for its bytes, so that a mismatch prints a page that can be read.
    kept.html = QString::fromUtf8(html.ok() ? html.value() : QByteArray("(no page)"));
    static const QRegularExpression inlined("data:image/png;base64,([A-Za-z0-9+/=]+)");
    for (QRegularExpressionMatch found = inlined.match(kept.html); found.hasMatch(); found = inlined.match(kept.html))
        kept.html.replace(found.capturedStart(), found.capturedLength(),
                          "data:image/png;sha256," + QString::fromStdString(digest(found.captured(1).toLatin1())));
    kept.pdfText =
        popplerSays("pdftotext", {"-layout", "PDF", "-"}, document.pdf(readingPageLayout(QPageSize(QPageSize::A4))));
    kept.pngPixels = pixelsOf(document.encoded(DocumentFormat::Png));
    return kept;
}

class Goldens : public ::testing::Test, public MainWindowFixture {
protected:
    Goldens() : program(services()) {}

    // Runs a reading and keeps what the output window showed.
    void read(const char* name, const std::function<void()>& start)
    {
        Tausform& output = program.ausform();
        AutoClose closer(&output, [&] {
            kept[name] = keptFrom(output.reading(), *output.ausfenster());
            // A weekly reading opens on its first line.
            if (output.reading().kind == ReadingKind::Weekly) {
                EXPECT_EQ(output.ausfenster()->textCursor().position(), 0) << name;
            }
            output.reject();
        });
        start();
        EXPECT_EQ(closer.shown, 1) << name;
    }

    void dream(const char* name, int feeling, int colour, const std::vector<QCheckBox*>& deathAnswers, int river,
               bool upper, bool lower)
    {
        auto& ui = program.traumfenster().controls();
        ui.gefuehl->setItemIndex(feeling);
        ui.farbe->setItemIndex(colour);
        auto& death = program.Tfrage().controls();
        for (QCheckBox* box : {death.kanal, death.tdkkanal, death.hidup, death.tdkhidup, death.tdktahu})
            box->setChecked(std::find(deathAnswers.begin(), deathAnswers.end(), box) != deathAnswers.end());
        program.flussfrage().controls().janein->setItemIndex(river);
        program.zahnform().controls().zahnoben->setChecked(upper);
        program.zahnform().controls().zahnunten->setChecked(lower);
        AutoClose closeDeath(&program.Tfrage());
        // Opened from the main window, which hands it the birth data.
        AutoClose readDream(&program.traumfenster(), [&] { ui.Button1->click(); });
        read(name, [&] { control<QPushButton>(program.Form1(), "Button2")->click(); });
    }

    void tickEveryMotif(bool ticked)
    {
        auto& ui = program.traumfenster().controls();
        for (QCheckBox* box : {ui.tiger, ui.conflict, ui.boot, ui.ular, ui.ikan, ui.orang, ui.anak, ui.tod, ui.fallen,
                               ui.anjing, ui.kerja, ui.laut, ui.pachilang, ui.auffuehrung, ui.gigicheck})
            box->setChecked(ticked);
    }

    Program program;
    std::map<std::string, Kept> kept;
};

TEST_F(Goldens, EveryReadingShowsAndKeepsWhatItDidBefore)
{
    TForm1& form = program.Form1();
    read("weekly, a new card", [&] {
        form.losgehts->trigger();
        QTest::mouseClick(form.cards()[2], Qt::LeftButton, {}, QPoint(30, 40));
    });
    read("weekly, the same card again", [&] { form.losgehts->trigger(); });

    Triwayat& history = program.riwayat();
    AutoClose closeHistory(&history, [&] {
        kept["an earlier week"] = keptFrom(history.chosenReading(), *history.findChild<QTextEdit*>("isi"));
        history.reject();
    });
    form.riwayat->trigger();

    tickEveryMotif(true);
    auto& death = program.Tfrage().controls();
    dream("dream, every motif, first answers", 0, 0, {death.kanal, death.hidup}, 0, true, false);
    dream("dream, every motif, second answers", 3, 1, {death.tdkkanal, death.tdkhidup}, 1, false, true);
    dream("dream, every motif, third answers", 1, 2, {death.kanal, death.tdktahu}, 0, true, true);
    tickEveryMotif(false);
    dream("dream, nothing ticked", 2, 1, {}, 0, false, false);

    auto& weton = program.wetonform().controls();
    const auto readWeton = [&](const char* name) {
        AutoClose readIt(&program.wetonform(), [&] {
            weton.baca->click();
            program.wetonform().reject();
        });
        read(name, [&] { control<QPushButton>(form, "Wetonknopf")->click(); });
    };
    readWeton("weton, alone");
    weton.pasangan->setChecked(true);
    weton.pasanganTanggal->setDate(QDate(1990, 5, 17));
    weton.pasanganWaktu->setValue(19.5 / 24);
    readWeton("weton, with a partner born after sunset");

    // Each reading opened with the sound from the program folder.
    EXPECT_EQ(sound->played, QStringList(std::size(kGoldens) - 1, folder.filePath("tmk.wav")));

    for (const Golden& golden : kGoldens) {
        SCOPED_TRACE(golden.name);
        ASSERT_TRUE(kept.count(golden.name));
        const Kept& now = kept[golden.name];
        const std::string row = std::string("{\"") + golden.name + "\", \"" + digest(now.view.toUtf8()) + "\", \"" +
                                digest(now.text.toUtf8()) + "\", \"" + digest(now.html.toUtf8()) + "\", \"" +
                                digest(now.pdfText.toUtf8()) + "\", \"" + digest(now.pngPixels) + "\"},";
        SCOPED_TRACE(row);
        EXPECT_EQ(digest(now.view.toUtf8()), golden.view) << now.view.toStdString();
        EXPECT_EQ(digest(now.text.toUtf8()), golden.text) << now.text.toStdString();
        EXPECT_EQ(digest(now.html.toUtf8()), golden.html) << now.html.toStdString();
        EXPECT_EQ(digest(now.pdfText.toUtf8()), golden.pdfText) << now.pdfText.toStdString();
        EXPECT_EQ(digest(now.pngPixels), golden.pngPixels) << now.pngPixels.size() << " bytes of pixels";
    }
}

}  // namespace
