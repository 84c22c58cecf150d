#pragma once
// The river dialog: did the dreamer reach the other shore? It has no
// picture of its own and takes a copy of the death dialog's when it is made;
// the answer stays selected from one showing to the next.

#include "ui/shared/onfirstuse.h"

#include <memory>

namespace Ui {
class Tflussfrage;
}

namespace temparoka {

class TTfrage;

class Tflussfrage : public DialogOnFirstUse {
    Q_OBJECT

public:
    explicit Tflussfrage(const TTfrage& deathDialog, QWidget* parent = nullptr);
    ~Tflussfrage() override;

    Ui::Tflussfrage& controls() const { return *ui; }
    // 0 "ya - yes": the other shore was reached; 1 "tidak - no".
    int answer() const;

protected:
    void build() override;

private:
    ControlsOnFirstUse<Ui::Tflussfrage> ui;
    // Whose picture this dialog shows.
    const TTfrage& m_deathDialog;
};

}  // namespace temparoka
