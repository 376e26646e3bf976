#pragma once
#include <QMessageBox>
#include <QString>

namespace platform {

// Loads Qt's own Simplified Chinese catalogue (the standard buttons of every dialog) from the
// system's translation folder into the application. False when the catalogue is not
// installed; the message boxes still speak Chinese then (see chineseButtonText).
bool installQtChineseTranslation();

// The text a Chinese Windows shows on a standard message-box button; empty for buttons the
// launcher never shows.
QString chineseButtonText(QMessageBox::StandardButton button);

}  // namespace platform
