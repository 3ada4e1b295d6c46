#pragma once

// Registers the program's compiled-in resources (style sheets, icons, images). Resources in a
// static library are dropped by the linker unless something names them, so the program and
// every test that needs them call this once before use.
void initPraluneAssets();
