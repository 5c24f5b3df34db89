#include "msgbox.h"

#include "form.h"

#include <QMessageBox>

namespace platform {

void MsgBox(Form& owner, const std::string& prompt, const std::string& title)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(prompt), QMessageBox::Ok,
                    &owner.widget());
    box.exec();
}

} // namespace platform
