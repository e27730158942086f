#pragma once

// Objects inside objects and values inside lists and collections nest at
// most this deep. A report nests a few levels per subreport; the limit only
// keeps a crafted stream from exhausting the stack of whoever reads it.
constexpr int kMaxStreamNesting = 128;

// Names are short strings: one length byte. An object starts with its class
// name's length, and from F0h on that byte is the prefix of flags instead.
constexpr int kMaxNameLength = 255;
constexpr int kMaxClassNameLength = 0xEF;
