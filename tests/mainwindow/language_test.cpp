#include "colorpicdesign.h"
#include "controlstyle.h"
#include "form1fixture.h"
#include "translations.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QTranslator>

#include <algorithm>
#include <map>

using namespace testing_form1;

namespace {

// What the window shows and says: every control's tooltip and accessible name, the menu and its
// commands, the picker's image, the size caption and the first run caption; and where every control
// stands. Keyed by where each is, with the context and English it is looked up by.
struct Look {
    struct Text {
        const char* context;
        std::string english, shown;
    };
    std::map<std::string, Text> texts;
    std::map<std::string, QRect> places;
    std::string sizeCaption, runCaption, chosenColor;
    sim::Shares shares; // of the run caption
};

Look LookAt(const Look* english)
{
    mainwindow::Form1 form;
    form.Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form.widget()));
    Look look;
    const auto add = [&](const std::string& key, const char* context, const std::string& shown) {
        look.texts[key] = {context, english ? english->texts.at(key).english : shown, shown};
    };
    for (const auto& [name, design] : mainwindow::design::Controls) {
        const auto control = std::find_if(form.controls().begin(), form.controls().end(),
                                          [&](const platform::Control* c) { return c->UniqueName() == name; });
        if (control == form.controls().end()) {
            ADD_FAILURE() << name;
            continue;
        }
        if (!(*control)->ToolTipText().empty())
            add(std::string(name) + " tooltip", "Form1", (*control)->ToolTipText());
        add(std::string(name) + " name", "Form1", (*control)->AccessibleName());
        look.places[name] = (*control)->pixelRect();
    }
    look.places["window"] = form.widget().rect();
    add("cpOne image", "ColorPic", form.cpOne.image().ToolTipText());
    add("menu", "Form1", form.mnuPicture.widget().title().toStdString());
    for (const QAction* command : form.mnuPicture.widget().actions())
        add("menu " + command->shortcut().toString().toStdString(), "Form1", command->text().toStdString());
    look.sizeCaption = form.Caption();
    look.chosenColor = form.cpOne.AccessibleValue();
    QTest::mouseClick(&form.cmdStart.widget(), Qt::LeftButton);
    form.Timer_Timer();
    look.runCaption = form.Caption();
    look.shares = form.world().ColorShares();
    return look;
}

std::string Translated(const QTranslator& catalog, const char* context, const char* english)
{
    return catalog.translate(context, english).toStdString();
}

// In every language shipped the window shows and says every text in that language, as its catalog
// has it, none left in English; Qt's own words come in the same language; and every control stands
// where it stands in English, at its size.
TEST(Languages, EveryTextIsTheLanguagesAndEveryControlStaysInPlace)
{
    platform::LoadLanguage("");
    const Look english = LookAt(nullptr);
    ASSERT_EQ(english.sizeCaption, "Vemmick 2  Size: 188 x 127");
    EXPECT_EQ(platform::ShippedLanguages(),
              (std::vector<std::string>{"de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"}));
    for (const std::string& language : platform::ShippedLanguages()) {
        SCOPED_TRACE(language);
        platform::LoadLanguage(language);
        QTranslator catalog;
        ASSERT_TRUE(catalog.load(QString::fromStdString(":/translations/vemmick_" + language)));
        const Look look = LookAt(&english);
        ASSERT_EQ(look.texts.size(), english.texts.size());
        for (const auto& [key, text] : look.texts) {
            const std::string wanted = Translated(catalog, text.context, text.english.c_str());
            EXPECT_FALSE(wanted.empty()) << key << ": \"" << text.english << "\" has no translation";
            EXPECT_EQ(text.shown, wanted) << key;
        }
        EXPECT_EQ(look.sizeCaption, sim::SizeCaption(566, 381, 3, Translated(catalog, "Form1", sim::SizeCaptionWords)));
        EXPECT_EQ(look.runCaption, sim::RunCaption(188, 127, 1000, look.shares.colorOne, look.shares.colorTwo,
                                                   Translated(catalog, "Form1", sim::RunCaptionWords)));
        EXPECT_EQ(look.chosenColor, platform::Fill(Translated(catalog, "ColorPic", colorpic::design::ChosenColorWords),
                                                   {"#44FFAF", "20", "2"}));
        EXPECT_EQ(look.places, english.places);
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel") << "Qt's own texts";
    }
    platform::LoadLanguage("");
}

// Every text that sits in a room of its own fits it in the interface face at the design size, in
// every language: the title's captions, with the largest numbers a run shows there, in the title
// bar (the window's width less an icon and three buttons), and the lists' items in their lists.
TEST(Languages, EveryTextFitsItsRoom)
{
    const QFontMetrics face(platform::ControlFont());
    constexpr int TitleBarButtons = 4 * 30;
    const int titleRoom = mainwindow::design::FormWidth / platform::TwipsPerPixel - TitleBarButtons;
    std::vector<std::string> languages{""};
    languages.insert(languages.end(), platform::ShippedLanguages().begin(), platform::ShippedLanguages().end());
    for (const std::string& language : languages) {
        QTranslator catalog;
        ASSERT_TRUE(language.empty() || catalog.load(QString::fromStdString(":/translations/vemmick_" + language)));
        const auto words = [&](const char* english) {
            const std::string translated = Translated(catalog, "Form1", english);
            return translated.empty() ? english : translated;
        };
        for (const std::string& caption : {sim::SizeCaption(568, 383, 1, words(sim::SizeCaptionWords)),
                                           sim::RunCaption(568, 383, 9'999'999'999, 100, 100, words(sim::RunCaptionWords))})
            EXPECT_LE(face.horizontalAdvance(QString::fromStdString(caption)), titleRoom) << language << ": " << caption;
    }
    const auto fits = [&](const platform::Design& list, const auto& items) {
        for (const auto& item : items)
            EXPECT_LE(face.horizontalAdvance(QString::fromStdString(item)), list.width / platform::TwipsPerPixel - platform::ListArrowWidth - 4)
                << list.name << ": " << item;
    };
    fits(mainwindow::design::cboInterval, std::vector<std::string>(mainwindow::design::IntervalItems.begin(), mainwindow::design::IntervalItems.end()));
    fits(mainwindow::design::cboSteps, std::vector<std::string>(mainwindow::design::StepsItems.begin(), mainwindow::design::StepsItems.end()));
    fits(mainwindow::design::cboDotSize, std::vector<std::string>{std::to_string(mainwindow::design::MaxDotSize)});
}

} // namespace
