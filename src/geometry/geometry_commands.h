#pragma once

// The geometry's place in the worksheet: its computations behind the items
// of the menu "Geometrie".

namespace lumatik {

// Binds every geometry command into the worksheet's command table. The
// programs call it once at start, before the worksheet window is made.
void BindGeometryCommands();

}  // namespace lumatik
