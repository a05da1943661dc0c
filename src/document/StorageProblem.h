#pragma once

#include <string>

// Why a skin's files could not be read or written, beyond the result code of
// a load or save: what a user must be told to put it right.
struct StorageProblem {
    enum class Kind {
        None,
        Locked,            // another program held the skin's lock for the whole wait
        LockUnusable,      // the lock file (path) cannot be made, opened or locked
        Unfinished,        // an interrupted or failed save could not be finished or undone; its journal (path) stays
        JournalUnreadable, // the journal (path) cannot be read; nothing was changed
        JournalDamaged,    // a malformed journal (path) beside files of an unfinished save; nothing was changed
        JournalNotOurs,    // the journal's name (path) holds something else: a folder, a link, another user's file
        TooLarge,          // the skin file or its picture data files are larger than a load may hold
        OutOfMemory,
    };

    Kind kind = Kind::None;
    std::string path;
};
