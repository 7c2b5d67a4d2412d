#pragma once

class QLocale;

namespace lumatik {

// Qt's own dialogs (files, printing, the buttons of message boxes) in the
// language of the locale, from Qt's translations ("qtbase_de" for German).
// False when the system has none for that language; Qt then speaks English.
bool UseQtTranslations(const QLocale& locale);

}  // namespace lumatik
