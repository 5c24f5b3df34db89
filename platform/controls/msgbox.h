#pragma once

#include <string>

namespace platform {

class Form;

// Tells the user of a failure in a modal message box over the form, with an OK button.
void MsgBox(Form& owner, const std::string& prompt, const std::string& title);

} // namespace platform
