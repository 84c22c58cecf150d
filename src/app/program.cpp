#include "app/program.h"

#include "core/errors.h"
#include "core/weekly.h"
#include "files/jpeg.h"

#include "ui/about/about.h"
#include "ui/about/spende.h"
#include "ui/dictionary/kamusform.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/traumform.h"
#include "ui/dream/zahnfrage.h"
#include "ui/output/ausgabeform.h"
#include "ui/output/riwayat.h"
#include "ui/weton/wetonform.h"

namespace temparoka {

Program::Program(MainWindowServices services, const std::function<void(QWidget*)>& created)
{
    const auto made = [&](QWidget* window) {
        if (created)
            created(window);
    };
    const ReadingServices reading = services.readingServices();
    m_readingServices = reading;
    m_form1 = std::make_unique<TForm1>(std::move(services));
    made(m_form1.get());
    m_aboutBox = std::make_unique<TAboutBox>();
    made(m_aboutBox.get());
    m_ausform = std::make_unique<Tausform>();
    made(m_ausform.get());
    // The dream window opens centred over the main window, and the dialogs
    // over the dream window; the others are centred on the desktop.
    m_traumfenster = std::make_unique<Ttraumfenster>(reading, *m_ausform, m_form1.get());
    made(m_traumfenster.get());
    m_spendeForm = std::make_unique<TSpendeForm>();
    made(m_spendeForm.get());
    m_tfrage = std::make_unique<TTfrage>(m_traumfenster.get());
    made(m_tfrage.get());
    m_flussfrage = std::make_unique<Tflussfrage>(*m_tfrage, m_traumfenster.get());
    made(m_flussfrage.get());
    m_zahnform = std::make_unique<Tzahnform>(*m_tfrage, m_traumfenster.get());
    made(m_zahnform.get());
    m_form1->setAboutBox(m_aboutBox.get());
    m_form1->setOutputWindow(m_ausform.get());
    m_form1->setDreamWindow(m_traumfenster.get());
    m_form1->setWetonWindow([this]() -> Twetonform& { return wetonform(); });
    m_ausform->setDonationWindow(m_spendeForm.get());
    m_form1->setHistoryWindow([this]() -> Triwayat& { return riwayat(); });
    m_ausform->setHistoryCommand(
        [form1 = m_form1.get()] { reportingFailures([form1] { form1->weekly().showHistory(); }); });
    m_traumfenster->setDialogs(m_tfrage.get(), m_flussfrage.get(), m_zahnform.get());
    m_form1->setDictionaryCommand([this] { kamusform().exec(); });
}

Program::~Program() = default;

void Program::decodeStartPictures(double pixelRatio)
{
    const auto decode = [](const QString& path, double ratio) {
        try {
            loadPicture(path, ratio);
        } catch (const PictureError&) {
        }
    };
    // The main window's first: it needs them soonest.
    decode(QStringLiteral(":/pictures/background.jpg"), pixelRatio);
    decode(QStringLiteral(":/pictures/cardback.jpg"), pixelRatio);
    for (int card = 1; card <= 5; ++card)
        decode(QString::fromStdString(cardFace(card).picture), pixelRatio);
    // Window icons hold both sizes whatever the screen.
    for (const char* icon :
         {"icon_program.png", "temparoka.png", "icon_about.png", "icon_output.png", "icon_dream.png", "flags.png"}) {
        decode(QStringLiteral(":/pictures/") + QLatin1String(icon), 1.0);
        decode(QStringLiteral(":/pictures/") + QLatin1String(icon), 2.0);
    }
}

Triwayat& Program::riwayat()
{
    if (!m_riwayat)
        m_riwayat = std::make_unique<Triwayat>();
    return *m_riwayat;
}

Twetonform& Program::wetonform()
{
    // Over the main window, like the dream window.
    if (!m_wetonform) {
        m_wetonform = std::make_unique<Twetonform>(m_readingServices, *m_ausform, m_form1.get());
        m_wetonform->setBirthData(m_form1->birthData());
    }
    return *m_wetonform;
}

Tkamusform& Program::kamusform()
{
    // Over the main window, like the dream and weton windows.
    if (!m_kamusform)
        m_kamusform =
            std::make_unique<Tkamusform>(m_readingServices, shippedDreamDictionary(), *m_ausform, m_form1.get());
    return *m_kamusform;
}

QList<QWidget*> Program::windows() const
{
    QList<QWidget*> made{m_form1.get(),      m_aboutBox.get(), m_ausform.get(),    m_traumfenster.get(),
                         m_spendeForm.get(), m_tfrage.get(),   m_flussfrage.get(), m_zahnform.get()};
    for (QWidget* onFirstUse : std::initializer_list<QWidget*>{m_riwayat.get(), m_wetonform.get(), m_kamusform.get()})
        if (onFirstUse)
            made.append(onFirstUse);
    return made;
}

}  // namespace temparoka
