#pragma once

// What a load or a save of a skin came to. The numbers are the ones the
// document layer has always given (the command-line tool names each).
enum class LoadResult : int {
    Loaded = 0,
    CannotOpen = 1,         // the skin file is there but cannot be read (or is locked)
    NotASkin = 2,           // its first line is not a skin's
    DataFileMissing = 3,    // a picture data file a record names does not exist
    TooShort = 4,           // read, but too short to serve as a default skin
    SkinFileMissing = 5,    // no file of that name
    DataFileUnreadable = 6, // a picture data file a record names is there but cannot be read
};

enum class SaveResult : int {
    Saved = 0,
    SkinFileNotWritten = 1, // also: another program held the skin's lock
    DataFileNotWritten = 2,
};
