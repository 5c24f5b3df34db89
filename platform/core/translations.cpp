#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace platform {

namespace {

// The program's catalogs are built into it (platform/CMakeLists.txt); Qt's are Qt's own files.
constexpr const char* Catalogs = ":/translations";

struct Loaded {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Loaded& Current()
{
    static Loaded loaded;
    return loaded;
}

// Where Qt's own catalogs are: Qt's folder on Linux (Debian's qt6-translations-l10n); on Windows
// the release's own, beside the program, as Qt's deployment lays them out.
QStringList QtCatalogFolders()
{
    QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (QCoreApplication::instance())
        folders.prepend(QCoreApplication::applicationDirPath() + "/translations");
    return folders;
}

std::unique_ptr<QTranslator> Catalog(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(name, folder))
            return translator;
    }
    return nullptr;
}

} // namespace

const std::vector<std::string>& ShippedLanguages()
{
    static const std::vector<std::string> languages = [] {
        std::vector<std::string> found;
        for (const QString& file : QDir(Catalogs).entryList({"vemmick_*.qm"}, QDir::Files, QDir::Name))
            found.push_back(file.mid(8, file.size() - 11).toStdString());
        return found;
    }();
    return languages;
}

std::string ChooseLanguage(const std::vector<std::string>& preferred)
{
    for (const std::string& name : preferred) {
        const QLocale locale(QString::fromStdString(name));
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        for (const std::string& shipped : ShippedLanguages()) {
            const QLocale offered(QString::fromStdString(shipped));
            if (offered.language() != locale.language())
                continue;
            if (locale.language() == QLocale::Chinese && locale.script() != QLocale::SimplifiedChineseScript)
                continue;
            return shipped;
        }
    }
    return {};
}

void LoadLanguage(const std::string& language)
{
    Loaded& loaded = Current();
    if (QCoreApplication::instance())
        for (QTranslator* translator : {loaded.program.get(), loaded.qt.get()})
            if (translator)
                QCoreApplication::removeTranslator(translator);
    loaded = Loaded{};
    if (language.empty())
        return;
    const QString name = QString::fromStdString(language);
    loaded.program = Catalog("vemmick_" + name, {Catalogs});
    loaded.qt = Catalog("qtbase_" + name, QtCatalogFolders());
    InstallLanguage();
}

void LoadDesktopLanguage()
{
    std::vector<std::string> preferred;
    for (const QString& name : QLocale::system().uiLanguages())
        preferred.push_back(name.toStdString());
    LoadLanguage(ChooseLanguage(preferred));
}

void InstallLanguage()
{
    if (!QCoreApplication::instance())
        return;
    Loaded& loaded = Current();
    for (QTranslator* translator : {loaded.program.get(), loaded.qt.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
}

std::string Tr(const char* context, const char* text)
{
    const Loaded& loaded = Current();
    if (loaded.program) {
        const QString translation = loaded.program->translate(context, text);
        if (!translation.isEmpty())
            return translation.toStdString();
    }
    return text;
}

Design Tr(const char* context, Design design)
{
    design.toolTipText = Tr(context, design.toolTipText.c_str());
    return design;
}

std::string Fill(const std::string& text, std::initializer_list<std::string> args)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() && text[i] == '%' ? static_cast<std::size_t>(text[i + 1] - '1') : args.size();
        if (n < args.size()) {
            filled += *(args.begin() + n);
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace platform
