#pragma once

#include <string>

namespace platform {

class Form;

// The platform's dialog for choosing a file to save into: Windows' own on Windows; elsewhere Qt's,
// which is the desktop's own where the desktop lends Qt one. Neither keeps what it saw: the
// program writes no settings (Application::KeepNoSettings). Paths are UTF-8.
class FileDialog {
public:
    explicit FileDialog(Form& owner) : owner_(owner) {}

    std::string DialogTitle;
    // The folder it opens in; after a choice, the chosen file's folder, so that the next dialog
    // opens where the last one ended.
    std::string InitDir;
    // The name it proposes; after a choice, the chosen file's full path.
    std::string FileName;
    // One kind of file, as "PNG image (*.png)", and the extension a typed name gets without one.
    std::string Filter;
    std::string DefaultExt;

    // Modal: true when the user chose a file (and agreed to replace it if it exists), false when
    // they cancelled. Timers keep running while it is open.
    bool ShowSave();

private:
    Form& owner_;
};

// The user's folder for pictures, or their home folder where that does not exist.
std::string PicturesFolder();

} // namespace platform
