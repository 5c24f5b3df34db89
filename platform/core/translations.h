#pragma once

#include "design.h"

// QT_TRANSLATE_NOOP(context, text) marks a text in a table for the translators' tools; it stands
// for the text itself.
#include <QtGlobal>

#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

// The program speaks the user's language: its own texts, and the texts of Qt's that it shows (the
// file dialog, message boxes, standard buttons). Each text of the program is written in English
// where it is defined and looked up, by its context and its English, when it is shown.
//
// Context by context: "Form1" and "ColorPic" for the windows' texts, the class's name for the
// platform's own ("Application", "BackgroundTask", ...).

// The languages shipped besides English, as the catalogs name them ("de", "pt_BR", "zh_CN").
const std::vector<std::string>& ShippedLanguages();

// The language to speak for the user's interface languages, in their order of preference (as
// "de-DE", "pt-BR", "zh-Hans-CN", "C"): the first that is English or shipped; "" for English,
// where none is. A language stands for its countries, but Chinese written in Simplified
// characters only for Chinese written so (Taiwan and Hong Kong write Traditional ones).
std::string ChooseLanguage(const std::vector<std::string>& preferred);

// Loads the program's texts and Qt's in `language` ("" for English), for Tr now and, once an
// application object exists, for Qt's own texts. language is ShippedLanguages()'s or "".
void LoadLanguage(const std::string& language);
// The language of the user's desktop (ChooseLanguage of the system's interface languages), loaded.
void LoadDesktopLanguage();
// Gives the loaded translations to the application object, which Qt's own texts are looked up
// in; the Application does it once it has made the object, LoadLanguage when there is one.
void InstallLanguage();

// The text in the loaded language; the text itself where it has no translation. UTF-8.
std::string Tr(const char* context, const char* text);
// The design with its tooltip in the loaded language.
Design Tr(const char* context, Design design);
// The text with %1, %2, ... standing for args in order.
std::string Fill(const std::string& text, std::initializer_list<std::string> args);

} // namespace platform
