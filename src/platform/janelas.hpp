// Window handling that the toolkit leaves to the system.
#pragma once

#include <QWidget>
#include <string>

namespace zidod {

// Restores the window if minimised and makes it the foreground window;
// true when it is the active window afterwards (a window manager may refuse).
bool ForcarPrimeiroPlano(QWidget* janela);

// Raises the top-level window whose class is `classe`, if there is one. On
// X11 the class is the second string of WM_CLASS; elsewhere nothing happens.
// True when a window was found.
bool TrazerJanelaDaClasse(const std::string& classe);

}  // namespace zidod
