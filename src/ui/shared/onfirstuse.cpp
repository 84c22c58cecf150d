#include "ui/shared/onfirstuse.h"

namespace temparoka {

void DialogOnFirstUse::buildControls()
{
    if (m_built)
        return;
    // Set first: building reaches the controls through the same path.
    m_built = true;
    build();
}

void DialogOnFirstUse::setVisible(bool visible)
{
    if (visible)
        buildControls();
    QDialog::setVisible(visible);
}

}  // namespace temparoka
