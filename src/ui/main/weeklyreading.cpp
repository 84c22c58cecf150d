// The weekly horoscope on the main window: "&Ramalan" looks up this week's
// draw or deals the cards, a click on a card takes it, and the weekly run
// chooses, records and shows the reading. These are the main window's
// methods; they live here, apart from the birth-data entry, because they
// are the horoscope's side of the window.

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
#include <QMouseEvent>
#include <QPushButton>

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

// Whether "&Ramalan" was pressed by a click of the mouse: the one way to
// start a deal whose reader has no use for the golden frame at once. Keys
// (Enter, Space, Alt+R) leave it unset, and so does a screen reader's
// press, which sends no input at all: their reader needs the frame to see
// where the focus is.
class RamalanClicks : public QObject {
public:
    // Watches the button, and the window for Enter typed into a field.
    RamalanClicks(QPushButton* button, QWidget* window) : QObject(button), m_button(button)
    {
        button->installEventFilter(this);
        window->installEventFilter(this);
    }
    // Asked once for each press: the next one is told apart anew.
    bool take() { return std::exchange(m_byMouse, false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            // Seen before the button takes it: a release over the pressed
            // button is the click that starts the deal.
            if (watched == m_button)
                m_byMouse = m_button->isDown() &&
                            m_button->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::KeyPress:
        case QEvent::Shortcut:
            m_byMouse = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPushButton* m_button;
    bool m_byMouse = false;
};

void TForm1::watchRamalanClicks()
{
    m_ramalanClicks = new RamalanClicks(ui->Ramalanknopf, this);
}

const PredictionTable& TForm1::texte()
{
    if (!m_texte) {
        const QByteArray text = ui->textquelle->toPlainText().toUtf8();
        m_texte = PredictionTable::fromLines(PredictionTable::splitLines(text.toStdString()));
    }
    return *m_texte;
}

void TForm1::losgehtsExecute()
{
    const bool byMouse = m_ramalanClicks->take();
    latestBirthdayToday();
    const double today = m_services.clock->now();
    wurfwert = drawKey(birthday(), timeOfBirth(), children(), isoWeek(today));
    if (const std::optional<std::int32_t> card = findDraw(wuerfe, wurfwert)) {
        karte = *card;
        vorhersage();
    } else {
        wuerfeln(byMouse);
    }
}

void TForm1::wuerfeln(bool byMouse)
{
    karte = 0;
    turnCardFaceDown();
    hideEntryControls();
    repaint();
    blendin(ui->pilihlabel);
    const double now = m_services.clock->now();
    const QSize outer = size() + QSize(2 * kFrameBorder, 2 * kFrameBorder + kTitleBarHeight);
    const auto places = dealCards(dealSeed(now - std::floor(now)), outer.height(), outer.width(), programRandom());
    warten(0.5);
    const auto all = cards();
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i]->move(places[i].left, places[i].top);
        all[i]->show();
        repaint();
        if (i + 1 < all.size())
            warten(0.5);
    }
    {
        TypedAheadKeys swallow(this);
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

void TForm1::blendin(QWidget* label)
{
    label->show();
    for (int red = kFadeStep; red <= kFadeSteps * kFadeStep; red += kFadeStep) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(red, 0, 0));
        label->setPalette(palette);
        warten(0.1);
        repaint();
    }
}

void TForm1::warten(double seconds)
{
    m_services.sleep(seconds);
}

void TForm1::sanskrClick(int card)
{
    turnCardFaceUp(card);
    repaint();
    warten(0.3);
    karte = card;
    wurfspeichern();
    vorhersage();
    turnCardFaceDown();
}

void TForm1::turnCardFaceUp(int card)
{
    // A reading that failed (no sound, no save) leaves its card face up while
    // the draw stays open; it goes face down before another card turns.
    if (m_faceUpCard == card)
        return;
    turnCardFaceDown();
    cards()[static_cast<std::size_t>(card - 1)]->Flip();
    m_faceUpCard = card;
}

void TForm1::turnCardFaceDown()
{
    if (m_faceUpCard == 0)
        return;
    cards()[static_cast<std::size_t>(m_faceUpCard - 1)]->Flip();
    m_faceUpCard = 0;
}

void TForm1::vorhersage()
{
    tonabspielen();
    const PredictionTable& table = texte();
    const double now = m_services.clock->now();
    const WeeklyRequest request{birthday(), timeOfBirth(), children(), karte, now};

    if (!m_outputWindow)
        throw Error("The output window has not been created");

    const TextKey key = chooseKey(request, verlauf, table, programRandom());
    // A new prediction is saved before it is read, or not read at all; a
    // record whose last save failed is saved again, new prediction or not.
    if (recordPrediction(verlauf, key.band, key.quality, key.variant, isoWeek(now)))
        speichern();
    else if (m_saveOwed)
        retryOwedSave();

    m_outputWindow->showReading(
        weeklyReading(request, table.cell(key.band, key.quality, key.variant), m_outputWindow->pen()));
    enterEntryMode();
}

void TForm1::retryOwedSave()
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
        speichern();
    } catch (const FileError& error) {
        // Without the application's box, nothing here can tell the reader.
        if (!m_owedSaveFailureTold && !showErrorBox(error.what()))
            throw;
        m_owedSaveFailureTold = true;
    }
}

void TForm1::showHistory()
{
    if (!m_historyWindow)
        throw Error("The earlier readings window has not been created");
    m_historyWindow->showReadings(earlierReadings(verlauf, texte(), m_services.clock->now()));
}

}  // namespace temparoka
