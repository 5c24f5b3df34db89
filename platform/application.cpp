#include "application.h"

#include "accessibility.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

namespace platform {

namespace {

// The display settings that were in effect, as "DISPLAY=:55", for the one line about a failure.
std::string DisplaySettings()
{
    std::string settings;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (qEnvironmentVariableIsEmpty(name))
            continue;
        settings += (settings.empty() ? "" : ", ") + std::string(name) + "=" + qEnvironmentVariable(name).toStdString();
    }
    return settings;
}

// While the display is being opened, Qt's messages wait here: when it cannot be opened, Qt ends
// the program with a fatal message of its own, which becomes the one line that names the display.
struct StartupMessages {
    static inline std::string program;
    static inline QtMessageHandler next = nullptr;
    static inline std::vector<std::pair<QtMsgType, QString>> held;

    static void Handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtFatalMsg) {
            std::cerr << program << ": "
                      << Fill(Tr("Application", "cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run"),
                              {DisplaySettings()})
                      << "\n";
            std::_Exit(1);
        }
        held.emplace_back(type, message);
    }

    // Hands the held messages on, now that the display is open.
    static void Release()
    {
        qInstallMessageHandler(next);
        for (const auto& [type, message] : held)
            qt_message_output(type, QMessageLogContext(), message);
        held.clear();
    }
};

// Says what the command line asked for, or why it was refused.
void Reply(const Application::About& about, const std::string& text, bool refusal)
{
#ifdef Q_OS_WIN
    // Started from Explorer or a console, a windowed program has no usable standard stream; one
    // redirected to a pipe or a file is read by whoever started it.
    const HANDLE stream = GetStdHandle(refusal ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const DWORD type = stream && stream != INVALID_HANDLE_VALUE ? GetFileType(stream) : FILE_TYPE_UNKNOWN;
    if (type != FILE_TYPE_PIPE && type != FILE_TYPE_DISK) {
        const std::wstring message = QString::fromStdString(text).trimmed().toStdWString();
        const std::wstring title = QString::fromStdString(about.title).toStdWString();
        MessageBoxW(nullptr, message.c_str(), title.c_str(), MB_OK | (refusal ? MB_ICONERROR : MB_ICONINFORMATION));
        return;
    }
#else
    static_cast<void>(about);
#endif
    (refusal ? std::cerr : std::cout) << text << std::flush;
}

// Tells Qt the program's name and version, which its help text and the desktop read.
void Introduce(const Application::About& about)
{
    QCoreApplication::setApplicationName(QString::fromStdString(about.name));
    QCoreApplication::setApplicationVersion(QString::fromStdString(about.version));
}

// Ties the windows to their launcher on Wayland, where Qt gives the desktop entry's name as the
// app id; X11 desktops go by the window class, which the entry names.
void NameDesktopEntry(const Application::About& about)
{
    QGuiApplication::setDesktopFileName(QString::fromStdString(about.desktopEntry));
}

} // namespace

std::optional<int> Application::HandleCommandLine(int argc, char** argv, const About& about)
{
    // Qt's own words of the help (its headings, its errors) need an application object to be
    // looked up in; this one lasts as long as the command line is read.
    int count = argc;
    const QCoreApplication reader(count, argv);
    LoadDesktopLanguage();
    Introduce(about);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(Tr("Application", about.summary.c_str())));
    // Its own help option: Qt's would offer --help-all and Qt's options, which this line refuses.
    const QCommandLineOption help({"h", "help"}, QString::fromStdString(Tr("Application", "Displays this help.")));
    const QCommandLineOption version({"v", "version"}, QString::fromStdString(Tr("Application", "Displays the version.")));
    parser.addOption(help);
    parser.addOption(version);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const auto refuse = [&](const std::string& why) {
        Reply(about, about.name + ": " + why + " (" + Fill(Tr("Application", "%1 --help lists the options"), {about.name}) + ")\n", true);
        return 2;
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText().toStdString());
    if (parser.isSet(help)) {
        // Qt names the program by the path it was started with; the help names the command.
        const QString usage = parser.helpText().replace(QCoreApplication::arguments().constFirst(), QString::fromStdString(about.name));
        Reply(about, usage.toStdString(), false);
        return 0;
    }
    if (parser.isSet(version)) {
        Reply(about, about.name + " " + about.version + "\n", false);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(Fill(Tr("Application", "unexpected argument '%1'"), {parser.positionalArguments().front().toStdString()}));
    return std::nullopt;
}

bool Application::DisplayAvailable()
{
#ifdef Q_OS_WIN
    return true; // every Windows session has its desktop
#else
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

void Application::UseWholeScaleFactors()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

Application::Application(int& argc, char** argv, const About& about)
{
    Introduce(about);
    UseWholeScaleFactors();
    StartupMessages::program = about.name;
    StartupMessages::next = qInstallMessageHandler(StartupMessages::Handle);
    app_ = std::make_unique<QApplication>(argc, argv);
    StartupMessages::Release();
    InstallLanguage();
    NameDesktopEntry(about);
    InstallAccessibility();
    KeepNoSettings();
}

void Application::KeepNoSettings()
{
    // Qt's file dialog keeps its settings in the native format, which outside Windows is a file:
    // it goes beneath the program's own file, where no folder can ever be made. (On Windows the
    // program shows Windows' own save dialog instead: filedialog.cpp.)
    const QString nowhere = QCoreApplication::applicationFilePath() + "/settings";
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const auto scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
}

Application::~Application() = default;

int Application::Run() { return QApplication::exec(); }

} // namespace platform
