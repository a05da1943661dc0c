#pragma once

// Keeps freed picture memory in the process instead of handing it back to the
// system at once. Decoded frames and surfaces are a few hundred kilobytes
// each and are dropped and made again every time another picture is shown;
// with the C library's defaults each of them costs fresh page faults. Call
// once at program start, before any picture is decoded.
void keepFreedPictureMemory();
