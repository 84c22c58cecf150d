#pragma once
// The dream window: how the dream felt, whether it was in colour and which
// of fifteen motifs it held. The river and tooth motifs ask their dialogs
// the moment they are ticked; "Arti mimpi Anda" plays the sound, asks the
// death dialog when death is ticked, writes the reading into the output
// window and closes this window once the reading has been read. The flag
// button swaps every caption with its hint, switching between Indonesian
// and English; the answers stay as they are in either language.

#include "core/birthdata.h"
#include "ui/shared/readingservices.h"

#include "ui/shared/onfirstuse.h"
#include <QStringList>

#include <cstdint>
#include <memory>

namespace Ui {
class Ttraumfenster;
}

namespace temparoka {

class Tausform;
class TTfrage;
class Tflussfrage;
class Tzahnform;
struct DreamAnswers;

class Ttraumfenster : public DialogOnFirstUse {
    Q_OBJECT

public:
    Ttraumfenster(ReadingServices services, Tausform& outputWindow, QWidget* parent = nullptr);
    ~Ttraumfenster() override;

    // The reader's birth data as the main window holds it when it opens
    // this window.
    void setBirthData(const BirthData& birth) { m_birth = birth; }
    // The clarification dialogs are made after this window.
    void setDialogs(TTfrage* death, Tflussfrage* river, Tzahnform* tooth);

    Ui::Ttraumfenster& controls() const { return *ui; }
    std::int32_t summe = 0;
    QStringList gefuehltexte;
    QStringList farbtexte;

    void Button1Click();
    void transClick();
    void lautClick();
    void gigicheckClick();

protected:
    void build() override;

private:
    DreamAnswers answers() const;
    void showHints();
    void applyLook();

    ControlsOnFirstUse<Ui::Ttraumfenster> ui;
    ReadingServices m_services;
    BirthData m_birth;
    Tausform& m_output;
    TTfrage* m_death = nullptr;
    Tflussfrage* m_river = nullptr;
    Tzahnform* m_tooth = nullptr;
};

}  // namespace temparoka
