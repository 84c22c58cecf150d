#pragma once
// The program's windows, each made once at start-up in a fixed order and
// kept until the end: the main window first (its record file is loaded while
// it is built), then the About box, the output window, the dream window,
// the donation window and the three clarification dialogs, the death dialog
// before the river and tooth dialogs, which copy its picture; then the
// earlier readings, which both the main and the output window open; last
// the weton window. The dream dictionary is made, and its entries read, the
// first time the reader opens it.

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
    Triwayat& riwayat() const { return *m_riwayat; }
    Twetonform& wetonform() const { return *m_wetonform; }
    // The dream dictionary, made now if it is not yet; throws Error when
    // its entries are missing or damaged.
    Tkamusform& kamusform();
    // Every window made so far, in the order they were made.
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
