#include "colorpicdesign.h"
#include "controlstyle.h"
#include "form1fixture.h"
#include "translations.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QTranslator>

#include <map>

using namespace testing_form1;

namespace {

// What the window shows and says, each text with the context it is looked up in: every control's
// tooltip and accessible name, the picker's image, the menu and its commands, the picker's value,
// the size caption and a run's caption; and where every control stands.
struct Look {
    std::map<std::string, std::pair<const char*, std::string>> texts;
    std::map<std::string, QRect> places;
    sim::Shares shares; // of the run
};

Look LookAt()
{
    mainwindow::Form1 form;
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form.widget()));
    Look look;
    for (const platform::Control* control : form.controls()) {
        look.texts[control->UniqueName() + " tooltip"] = {"Form1", control->ToolTipText()};
        look.texts[control->UniqueName() + " name"] = {"Form1", control->AccessibleName()};
        look.places[control->UniqueName()] = control->pixelRect();
    }
    look.texts["image"] = {"ColorPic", form.cpOne.image().ToolTipText()};
    look.texts["menu"] = {"Form1", form.mnuPicture.widget().title().toStdString()};
    for (const QAction* command : form.mnuPicture.widget().actions())
        look.texts[command->shortcut().toString().toStdString()] = {"Form1", command->text().toStdString()};
    look.texts["value"] = {"ColorPic", form.cpOne.AccessibleValue()};
    look.texts["title"] = {"Form1", form.Caption()};
    QTest::mouseClick(&form.cmdStart.widget(), Qt::LeftButton);
    form.Timer_Timer();
    look.texts["run"] = {"Form1", form.Caption()};
    look.shares = form.world().ColorShares();
    return look;
}

// In every language shipped the window shows and says each text as the language's catalog has it,
// none left in English, Qt's own words come in the same language, and every control stands where
// it stands in English. The title's widest captions fit the title bar at the design size (its
// width less an icon and three buttons) in the interface face.
TEST(Languages, EveryTextIsTheLanguagesAndEveryControlStaysInPlace)
{
    platform::LoadLanguage("");
    const Look english = LookAt();
    [[maybe_unused]] const QFontMetrics face(platform::ControlFont());
    EXPECT_EQ(platform::ShippedLanguages(),
              (std::vector<std::string>{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"}));
    for (const std::string& language : platform::ShippedLanguages()) {
        SCOPED_TRACE(language);
        platform::LoadLanguage(language);
        QTranslator catalog;
        ASSERT_TRUE(catalog.load(QString::fromStdString(":/translations/vemmick_" + language)));
        const auto tr = [&](const char* context, const std::string& english) {
            const std::string translated = catalog.translate(context, english.c_str()).toStdString();
            EXPECT_FALSE(translated.empty() && !english.empty()) << "\"" << english << "\" is left in English";
            return translated;
        };
        // The composite texts, built from their words in the language.
        const std::string runWords = tr("Form1", sim::RunCaptionWords);
        std::map<std::string, std::string> wanted{
            {"value", platform::Fill(tr("ColorPic", colorpic::design::ChosenColorWords), {"#44FFAF", "20", "2"})},
            {"title", sim::SizeCaption(566, 381, 3, tr("Form1", sim::SizeCaptionWords))}};
        const Look look = LookAt();
        wanted["run"] = sim::RunCaption(188, 127, 1000, look.shares.colorOne, look.shares.colorTwo, runWords);
        for (const auto& [key, text] : english.texts)
            EXPECT_EQ(look.texts.at(key).second, wanted.count(key) ? wanted[key] : tr(text.first, text.second)) << key;
        EXPECT_EQ(look.places, english.places);
#ifndef Q_OS_WIN // Qt's catalogs and the interface face are the release's there (tests/windows/german_wine.sh)
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel") << "Qt's own texts";
        for (const std::string& caption : {sim::SizeCaption(568, 383, 1, tr("Form1", sim::SizeCaptionWords)),
                                           sim::RunCaption(568, 383, 9'999'999'999, 100, 100, runWords)})
            EXPECT_LE(face.horizontalAdvance(QString::fromStdString(caption)), 568 - 4 * 30) << caption;
#endif
    }
    platform::LoadLanguage("");
}

} // namespace
