#pragma once

#include "idlescreen/ElementTable.h"

#include <memory>

class LanguageTable;
class SkinEditCommand;
class SkinSession;

// The picture files the element page asks for: the wallpaper (JPEG or GIF)
// and an element's own picture (any format Qt reads, stored as GIF). Each
// asks for the file, reads it once and judges it; the command stores exactly
// the bytes judged. A file that cannot be read or is no picture brings
// message 11 and gives no command, as does a cancelled question.
std::unique_ptr<SkinEditCommand> chosenWallpaper(SkinSession& session, const LanguageTable& texts);
std::unique_ptr<SkinEditCommand> chosenElementPicture(SkinSession& session, const LanguageTable& texts,
                                                      idlescreen::ElementKind kind);
