#include "ui/main/weeklyreading.h"

#include "ui/main/Unit1.h"

#include "core/calendar.h"
#include "core/carddeal.h"
#include "core/drawkey.h"
#include "core/errors.h"
#include "core/history.h"
#include "core/random.h"
#include "core/weekly.h"
#include "ui/main/cardimage.h"
#include "ui/output/ausgabeform.h"
#include "ui/output/riwayat.h"
#include "ui/shared/clock.h"
#include "ui_Unit1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <utility>

namespace temparoka {

namespace {
// The frame the window's definition was drawn with: a border of 4 pixels
// on every side and a title bar of 24. The deal spreads the cards over the
// window's size with that frame, whatever frame the desktop draws.
constexpr int kFrameBorder = 4;
constexpr int kTitleBarHeight = 24;

// Eats the keys meant for the main window. The deal's pauses handle no
// events, so keys pressed meanwhile wait in the queue; once the cards lie
// there, a waiting Space would take a card the reader never chose, and a
// waiting Ctrl+H would open the earlier readings over the cards.
class TypedAheadKeys : public QObject {
public:
    explicit TypedAheadKeys(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        const auto type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
            return false;
        auto* widget = qobject_cast<QWidget*>(receiver);
        if (!widget || widget->window() != m_window)
            return false;
        // A window's shortcut fires before its key is delivered, unless the
        // focus claims the key first: claim it, and the key is dropped too.
        if (type == QEvent::ShortcutOverride)
            event->accept();
        return true;
    }

private:
    QWidget* m_window;
};
}  // namespace

WeeklyReading::WeeklyReading(TForm1& stage, const MainWindowServices& services) : m_stage(stage), m_services(services)
{}

std::optional<BirthData> WeeklyReading::loadRecord()
{
    m_recordFile = RecordFile(recordPlace(m_services.programFolder, m_services.dataFolder));
    // While another copy of the program finishes its save, the window keeps
    // painting and answering the desktop; the reader's keys and clicks wait,
    // as they do while the cards are dealt.
    m_recordFile.setLockWait([](std::chrono::milliseconds step) {
        QEventLoop waiting;
        QTimer::singleShot(step, &waiting, &QEventLoop::quit);
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    });
    const LoadedRecord loaded = m_recordFile.load();
    if (!loaded.ok()) {
        // Said once the window is up, in the error box like any other error;
        // the program goes on with the initial birth data.
        QMetaObject::invokeMethod(
            &m_stage, [problem = loaded.problem()] { showErrorBox(problem); }, Qt::QueuedConnection);
    }
    if (!loaded.ok() || !loaded.value())
        return std::nullopt;
    const Record& record = *loaded.value();
    verlauf = record.verlauf;
    wuerfe = record.wuerfe;
    return restoredBirthData(record.birthday, record.timeOfBirth, record.children);
}

const PredictionTable& WeeklyReading::texte()
{
    // From the database the program carries, which the invisible memo then
    // holds too; the table is built once, on the first reading.
    if (!m_texte) {
        QFile database(QStringLiteral(":/predictions.txt"));
        if (!database.open(QIODevice::ReadOnly | QIODevice::Text))
            throw Error("The prediction texts are missing from the program");
        const QString text = QString::fromUtf8(database.readAll());
        m_stage.holdDatabase(text);
        m_texte = PredictionTable::fromLines(PredictionTable::splitLines(text.toUtf8().toStdString()));
    }
    return *m_texte;
}

void WeeklyReading::losgehtsExecute(const BirthData& birth, bool byMouse)
{
    m_birth = birth;
    const double today = m_services.clock->now();
    wurfwert = drawKey(birth.birthday, birth.timeOfBirth, birth.children, isoWeek(today));
    if (const std::optional<std::int32_t> card = findDraw(wuerfe, wurfwert)) {
        karte = *card;
        vorhersage();
    } else {
        wuerfeln(byMouse);
    }
}

void WeeklyReading::wuerfeln(bool byMouse)
{
    karte = 0;
    turnCardFaceDown();
    m_stage.hideEntryControls();
    m_stage.repaint();
    blendin(m_stage.prompt());
    const double now = m_services.clock->now();
    const QSize outer = m_stage.size() + QSize(2 * kFrameBorder, 2 * kFrameBorder + kTitleBarHeight);
    const auto places = dealCards(dealSeed(now - std::floor(now)), outer.height(), outer.width(), programRandom());
    warten(0.5);
    const auto all = m_stage.cards();
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i]->move(places[i].left, places[i].top);
        all[i]->show();
        m_stage.repaint();
        if (i + 1 < all.size())
            warten(0.5);
    }
    {
        TypedAheadKeys swallow(&m_stage);
        QCoreApplication::instance()->installEventFilter(&swallow);
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(&swallow);
    }
    // The cards are ready to be taken by keyboard, the first one first. A
    // reader who dealt by keys sees its frame at once; one who clicked, only
    // once moving between the cards by key.
    CardFocusFrame::of(all)->startDeal(!byMouse);
    all.front()->setFocus(Qt::OtherFocusReason);
}

void WeeklyReading::blendin(QWidget* label)
{
    label->show();
    for (int red = kFadeStep; red <= kFadeSteps * kFadeStep; red += kFadeStep) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(red, 0, 0));
        label->setPalette(palette);
        warten(0.1);
        m_stage.repaint();
    }
}

void WeeklyReading::warten(double seconds)
{
    m_services.sleep(seconds);
}

void WeeklyReading::sanskrClick(int card)
{
    turnCardFaceUp(card);
    m_stage.repaint();
    warten(0.3);
    karte = card;
    wurfspeichern();
    vorhersage();
    turnCardFaceDown();
}

void WeeklyReading::turnCardFaceUp(int card)
{
    // A reading that failed (no sound, no save) leaves its card face up while
    // the draw stays open; it goes face down before another card turns.
    if (m_faceUpCard == card)
        return;
    turnCardFaceDown();
    m_stage.cards()[static_cast<std::size_t>(card - 1)]->Flip();
    m_faceUpCard = card;
}

void WeeklyReading::turnCardFaceDown()
{
    if (m_faceUpCard == 0)
        return;
    m_stage.cards()[static_cast<std::size_t>(m_faceUpCard - 1)]->Flip();
    m_faceUpCard = 0;
}

void WeeklyReading::vorhersage()
{
    m_services.readingServices().playReadingSound();
    const PredictionTable& table = texte();
    const double now = m_services.clock->now();
    const WeeklyRequest request{m_birth.birthday, m_birth.timeOfBirth, m_birth.children, karte, now};

    if (!m_outputWindow)
        throw Error("The output window has not been created");

    const TextKey key = chooseKey(request, verlauf, table, programRandom());
    // A new prediction is saved before it is read, or not read at all; a
    // record whose last save failed is saved again, new prediction or not.
    if (recordPrediction(verlauf, key.band, key.quality, key.variant, isoWeek(now)))
        speichern(m_birth);
    else if (m_saveOwed)
        retryOwedSave();

    m_outputWindow->showReading(
        weeklyReading(request, table.cell(key.band, key.quality, key.variant), m_outputWindow->pen()));
    m_stage.enterEntryMode();
}

void WeeklyReading::retryOwedSave()
{
    // Nothing new is at stake here: this week's prediction is in the record
    // already, and only the save that failed after it is tried again. Were
    // this failure to stop the reading as a new prediction's does, a record
    // kept read-only would refuse the week's reading for good. So this is
    // the one place besides the application object that catches a
    // FileError: the reading goes on, and the reader is told in the error
    // box once, at the first failed retry, and not again until a save
    // succeeds.
    try {
        speichern(m_birth);
    } catch (const FileError& error) {
        // Without the application's box, nothing here can tell the reader.
        if (!m_owedSaveFailureTold && !showErrorBox(error.what()))
            throw;
        m_owedSaveFailureTold = true;
    }
}

void WeeklyReading::showHistory()
{
    if (!m_historyWindow)
        throw Error("The earlier readings window has not been created");
    m_historyWindow().showReadings(earlierReadings(verlauf, texte(), m_services.clock->now()));
}

void WeeklyReading::speichern(const BirthData& birth)
{
    const Record record{birth.birthday, birth.timeOfBirth, birth.children, verlauf, wuerfe};
    m_saveOwed = true;
    // What another copy of the program saved meanwhile comes back with it.
    const Record saved = m_recordFile.save(record);
    verlauf = saved.verlauf;
    wuerfe = saved.wuerfe;
    m_saveOwed = false;
    m_owedSaveFailureTold = false;
}

void WeeklyReading::wurfspeichern()
{
    appendDraw(wuerfe, wurfwert, karte);
}

}  // namespace temparoka
