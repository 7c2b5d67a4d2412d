#pragma once

// The program's composition: the twelve windows of shell/windows/forms.h
// made and ended in their fixed order.

namespace lumatik {

// Creates the twelve windows in the order of shell/windows/forms.h; each
// sets its defaults (and reads its settings file) while it is created.
void CreateForms();
// Destroys them in the reverse order; the calculator and the function input
// window save their settings files then. The pointers become null.
void DestroyForms();

}  // namespace lumatik
