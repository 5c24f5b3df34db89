#pragma once

namespace platform {

// What a screen reader reads of the program, through Qt's accessibility (AT-SPI on Linux). Qt's own
// descriptions serve for most widgets; these replace the ones that say too little or the wrong
// thing. A control's accessible name is its tooltip text unless it is given one of its own.

// The controls report their changes through core/accessiblenotice.h; this factory, installed by
// the Application, describes them.

// Installs the factory that gives the program's widgets their descriptions, each in the file named
// after what it describes: programaccessible.h (the program, its windows and menus),
// controlaccessible.h (the controls and their values), chooseritemaccessible.h (the items of a
// colour chooser). Once is enough.
void InstallAccessibility();

} // namespace platform
