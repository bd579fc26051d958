#pragma once
// What both front ends show of a long text, and tell the person when typed text can't go into a
// window as it is: it holds characters the game's files can't hold, or it is longer than a box
// holds. The messages are UTF-8, not the windows' code page: they name characters the code page
// has not.

#include <cstddef>
#include <string>

namespace ui {

// What a window shows of a text it does not edit (a caption, an item, a cell, a message), in the
// windows' code page: the text itself, or, for a text longer than a screen can show, its first
// few thousand characters, "..." and its last line's worth, so that a long value quoted in a
// message leaves the message's end in view. Only what is drawn is cut; the text stays whole where
// it is kept.
inline constexpr std::size_t shownLength = 3000;
std::string shownText(const std::string& bytes);

// The longest text a box, or a prompt's answer field, holds while it can be typed in: a longer
// one takes seconds to draw.
inline constexpr int editableLength = 100000;

// "The game's files can't hold the character ..." for the characters of a typed text that have
// no byte in the game's code page (each once, as common::charactersWithoutByte finds them).
std::string unfitMessage(const std::u32string& characters);

// "The text is ... characters long; a box holds at most ... characters." for a typed text of
// `length` characters.
std::string tooLongMessage(std::size_t length);

// What a prompt adds to its text when its present answer is too long to be put in its field: the
// field left empty keeps it.
std::string presentAnswerNote(std::size_t length);

}  // namespace ui
