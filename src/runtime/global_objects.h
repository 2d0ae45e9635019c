// The lifetime of the program's global objects: built before WinMain, destroyed after it.
#pragma once

// Runs the constructors of every translation unit's globals, in the toolchain's own order.
void ConstructGlobalObjects();
// Runs what atexit registered (the compiler registers each global's destruction as it is
// built), the last registered first.
void DestroyGlobalObjects();
