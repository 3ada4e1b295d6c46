#pragma once

// Registers the program's compiled-in resources (style sheets, icons, images, fonts). Resources
// in a static library are dropped by the linker unless something names them, so the program and
// every test that needs them call this once before use.
void initPraluneAssets();

// Adds the compiled-in faces that the style sheets name to the application's fonts, so that
// the sheets never fall back to another face. Needs the application object and the resources
// registered; false when a face could not be added (the sheets then fall back as before).
bool registerPraluneFonts();
