#pragma once

#include <span>
#include <string>
#include <string_view>

// The record lookup of a skin: the index of the first line that starts with
// key, where '*' in the key matches any one character; -1 when no line does.
// An empty key matches line 0 (when there is one). First match wins: a later
// line with the same key is never read.
int findFirstLine(std::span<const std::string> lines, std::string_view key);
