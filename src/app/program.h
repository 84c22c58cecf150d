#pragma once
// The program's windows, each made once and kept until the end. At start-up,
// in a fixed order: the main window first (its record file is loaded while
// it is built), then the About box, the output window, the dream window,
// the donation window and the three clarification dialogs, the death dialog
// before the river and tooth dialogs, which copy its picture. The earlier
// readings (which both the main and the output window open), the weton
// window and the dream dictionary are made the first time the reader opens
// them, so that start-up spends nothing on what a reader may never open.

#include "ui/main/Unit1.h"

#include <QList>

#include <functional>
#include <memory>

namespace temparoka {

class TAboutBox;
class Tausform;
class Ttraumfenster;
class TSpendeForm;
class TTfrage;
class Tflussfrage;
class Tzahnform;
class Triwayat;
class Twetonform;
class Tkamusform;

class Program {
public:
    // created, when given, is told of each window right after it is made.
    explicit Program(MainWindowServices services, const std::function<void(QWidget*)>& created = {});
    ~Program();

    TForm1& Form1() const { return *m_form1; }
    TAboutBox& AboutBox() const { return *m_aboutBox; }
    Tausform& ausform() const { return *m_ausform; }
    Ttraumfenster& traumfenster() const { return *m_traumfenster; }
    TSpendeForm& SpendeForm() const { return *m_spendeForm; }
    TTfrage& Tfrage() const { return *m_tfrage; }
    Tflussfrage& flussfrage() const { return *m_flussfrage; }
    Tzahnform& zahnform() const { return *m_zahnform; }
    // Each made now if it is not yet. The dream dictionary throws Error
    // when its entries are missing or damaged.
    Triwayat& riwayat();
    Twetonform& wetonform();
    Tkamusform& kamusform();
    // Decodes the pictures the windows of the start show, as they ask for
    // them on a screen of this pixel ratio, into the store they take them
    // from; the start does it beside the main thread. A picture that cannot
    // be decoded is left for its window to meet.
    static void decodeStartPictures(double pixelRatio);
    // Every window made so far: those of the start in their order, then
    // those made on first use, in the order above.
    QList<QWidget*> windows() const;

private:
    // Declared in creation order, so they are destroyed in reverse.
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<Tausform> m_ausform;
    std::unique_ptr<Ttraumfenster> m_traumfenster;
    std::unique_ptr<TSpendeForm> m_spendeForm;
    std::unique_ptr<TTfrage> m_tfrage;
    std::unique_ptr<Tflussfrage> m_flussfrage;
    std::unique_ptr<Tzahnform> m_zahnform;
    std::unique_ptr<Triwayat> m_riwayat;
    std::unique_ptr<Twetonform> m_wetonform;
    std::unique_ptr<Tkamusform> m_kamusform;
    ReadingServices m_readingServices;
};

}  // namespace temparoka
