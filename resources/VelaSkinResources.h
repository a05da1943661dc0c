#pragma once

// Makes the program's built-in pictures (":/icons", ":/toolbar", ":/gif/156")
// available. Safe to call more than once; needed before the first use because
// the resources live in a static library.
void initVelaSkinResources();
