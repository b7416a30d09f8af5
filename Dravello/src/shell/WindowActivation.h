#ifndef DRAVELLO_SHELL_WINDOWACTIVATION_H
#define DRAVELLO_SHELL_WINDOWACTIVATION_H

// Bringing the program's window to the front when another start asks for it.

#include "HandOverFrame.h"

class QWidget;

// Shows the window in the state it had: a minimised one comes back normal or
// maximised as it was, a hidden one is shown; a shown one stays as it is.
void showKeepingState(QWidget& window);

// showKeepingState, then raises the window and asks the desktop to give it
// the focus with what the asking start was given: on X11 at the time of its
// launch, whose startup notification it also ends; on Wayland with its
// activation token, which the toolkit takes from XDG_ACTIVATION_TOKEN where
// it supports that.
void bringToFront(QWidget& window, const HandOver::Activation& activation);

#endif
