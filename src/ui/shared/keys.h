#pragma once
// Keyboard rules that several windows share.

class QWidget;

namespace temparoka {

// Enter presses the push button that has the focus, as Space does, instead
// of the window's default button; with the focus anywhere else Enter still
// goes to the default button, if the window has one. Qt's own way to get
// this (auto-default buttons) would also make a dialog's only button its
// default, so that Enter on a check box would close the death and tooth
// dialogs.
void enterPressesFocusedButton(QWidget* window);

// Each showing of window starts with the focus on first, the first control
// of its keyboard order (for a radio group: its selected item), wherever
// the focus was when the window last closed. A window coming back from the
// task bar keeps its focus.
void focusFirstOnShow(QWidget* window, QWidget* first);

}  // namespace temparoka
