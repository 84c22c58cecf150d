#pragma once
// A window the start makes but the reader opens later, whose controls are
// built the first time they are needed: when the window is about to be
// shown, or when code first reaches for one of them. Until then the window
// is an empty dialog, and the start spends nothing on its controls, their
// fonts and their captions. Each such window names itself at once, so that
// it can be told apart before it is built.

#include <QDialog>

#include <memory>

namespace temparoka {

class DialogOnFirstUse : public QDialog {
public:
    using QDialog::QDialog;

    // Builds the controls now if they are not yet built.
    void buildControls();
    // Built before the toolkit shows the window, so that the window is
    // polished, sized and placed with its controls.
    void setVisible(bool visible) override;

protected:
    // Sets the controls up; runs once.
    virtual void build() = 0;

private:
    bool m_built = false;
};

// Stands for a window's generated form: `ui->control` builds the window's
// controls first if they are not yet built.
template <typename Form>
class ControlsOnFirstUse {
public:
    explicit ControlsOnFirstUse(DialogOnFirstUse* window) : m_window(window) {}

    Form* operator->() const { return &get(); }
    Form& operator*() const { return get(); }

private:
    Form& get() const
    {
        m_window->buildControls();
        return *m_form;
    }

    DialogOnFirstUse* m_window;
    std::unique_ptr<Form> m_form = std::make_unique<Form>();
};

}  // namespace temparoka
