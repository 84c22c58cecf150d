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
    {"weekly, a new card", "1cb613b32b2e18dd", "50f28da7c95e8179", "78463d99e117913c", "a851eb4088d22914",
     "46316dfd271fe6d3"},
    {"weekly, the same card again", "1cb613b32b2e18dd", "50f28da7c95e8179", "78463d99e117913c", "a851eb4088d22914",
     "46316dfd271fe6d3"},
    {"an earlier week", "982b14c0f0b724fb", "3ad59400ce2ea682", "b2178e0c09f9005d", "a23c9a4c8088e690",
     "d2e0859e45c66e66"},
    {"dream, every motif, first answers", "a0044b48585c0350", "88c939330440ee0f", "bf1a47869f646321",
     "91f6b4faab36ff2b", "39f0fb80a728a7ff"},
    {"dream, every motif, second answers", "fb87edac997b2aac", "3e8bf899c19fea37", "d200a4ee05500af8",
     "46ac917c5dabdc17", "a85adcd6940d5c16"},
    {"dream, every motif, third answers", "d1b106ecf453d24d", "ed1ae27c0a52acd9", "1e32bdaab491ce2b",
     "95fd4c254195e50c", "f32589f9013904cb"},
    {"dream, nothing ticked", "36e7b7ff7760b2d0", "afc85ea0bde3d0e5", "0bf5d898ffdc4ba3", "75678cb974a3b633",
     "81ac677f54534a2a"},
    {"weton, alone", "12a9e37a67a28c9e", "6c95545f53a8711f", "32990032bfe206cf", "c75f188c016034c5",
     "2fecce864c9caa97"},
    {"weton, with a partner born after sunset", "63fd6fb31fa049f1", "29c3e24c3c6f5dba", "efa0a197ebb3e29a",
     "5cddec9852ed1abf", "526205a4465bff6c"},
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
