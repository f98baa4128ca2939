#pragma once
// What screen readers learn of the main window's controls. The names and
// descriptions are design texts ("XL_..."): the window translates them with
// its other texts, and again at every change of language.

namespace quantora {

class TForm1;

// The interfaces of the library's own widgets (read-outs, charts), installed
// once for the whole program.
void InstallAccessibleInterfaces();
// Gives every control of the window its accessible name and, where the name
// alone does not say enough, a description.
void NameControls(TForm1& form);

}  // namespace quantora
