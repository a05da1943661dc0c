#pragma once

#include "document/SkinResults.h"

#include <QString>

class LanguageTable;
class SkinDocument;

// The language text that says why a skin did not load, with the file it
// failed on filled in; "" for a skin that loaded.
QString loadFailureText(const LanguageTable& texts, LoadResult result, const QString& failedFile);

// What a user is told after opening a skin whose data files are shorter than
// some of its picture records say: the first such data file and the pictures
// it is too short for. "" when every picture record fits its data.
QString picturesBeyondDataText(const LanguageTable& texts, const SkinDocument& skin);
