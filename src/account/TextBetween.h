#pragma once
#include <string>

// The text between a start marker and an end marker. Failures come back as the texts
// "0" (empty text, or the end marker before the end of the start marker), "1" (start
// marker not found) and "2" (end marker not found), and `status` is set to that code;
// on success `status` is left unchanged.
//   startMode: 0 first occurrence of the start marker, 1 last occurrence.
//   endMode 0 with endAfterStart 0: first end marker in the whole text;
//   endMode 0 with endAfterStart 1: first end marker after the start marker;
//   endMode 1: last end marker in the whole text.
// An empty start marker starts at the beginning; an empty end marker takes the rest.
std::string TextBetween(const std::string& text, const std::string& startMarker,
                        const std::string& endMarker, int endMode, int startMode, int endAfterStart,
                        int& status);
