#pragma once

#include "IdleScreenArt.h"
#include "SkinWriter.h"

// Writes the records of the idle screen under the ids the editor reads
// them by (the idle screen's own tables): the analog clock, the JoyPad
// labels, the texts and their looks, the keys' pictures and places in each
// state, the status strip's slots and options.
void writeIdleScreen(SkinWriter& skin, const IdleScreenArt& art);
